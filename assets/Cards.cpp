// The card pictures: the panel behind a player's card, the small black-and-white example card, the
// marked cards of the help pages, and the daubs laid over called squares.

#include "CardGrid.h"
#include "Painting.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace daubery::pictures::paint {

namespace {

// The player's card: five columns of 48 pixels from x 8, five rows of 48 from y 56, under the
// game's number squares; the heading band above.
constexpr double PanelLeft = 8, PanelTop = 56, PanelPitch = 48;

// A sample card's grid, in the one layout every sample card shares.
card_grid::Grid markedGeometry(QSizeF size) {
    return card_grid::grid(int(std::lround(size.width())), int(std::lround(size.height())));
}

QRectF squareIn(double left, double top, double cell, int column, int row) {
    return {left + cell * (column - 1), top + cell * (row - 1), cell, cell};
}

// The star that marks the free space in the middle of a grid.
void freeStar(QPainter& p, const QRectF& area, double cell) {
    const QRectF free = squareIn(area.left(), area.top(), cell, 3, 3);
    // Broad arms, so the star still shows between the pattern lines that cross it.
    const QPainterPath shape = paint::star(free.center(), cell * 0.47, cell * 0.23);
    p.fillPath(shape, style::freeStar);
    p.strokePath(shape, QPen(style::freeStar.darker(140), std::max(0.5, cell / 40)));
}

// Cream squares with fine ruling, a quiet free space and a dark lip round the whole grid.
void grid(QPainter& p, const QRectF& area, double cell) {
    const double lip = std::max(1.0, cell / 24);
    p.fillRect(crisp(p, area.adjusted(-lip, -lip, lip, lip)), style::cardFrameDark);
    QLinearGradient paper(area.topLeft(), area.bottomLeft());
    paper.setColorAt(0, style::paper);
    paper.setColorAt(1, style::paperShade);
    p.fillRect(crisp(p, area), paper);

    p.fillRect(crisp(p, squareIn(area.left(), area.top(), cell, 3, 3)), style::freeSpace);
    freeStar(p, area, cell);

    for (int k = 1; k < 5; ++k) {
        const QRectF down(area.left() + k * cell, area.top(), style::hairline, area.height());
        const QRectF across(area.left(), area.top() + k * cell, area.width(), style::hairline);
        p.fillRect(crisp(p, down), style::gridLine);
        p.fillRect(crisp(p, across), style::gridLine);
    }
    // The heading band's shadow falls a little on the first row.
    QLinearGradient shadow(area.topLeft(), area.topLeft() + QPointF(0, cell / 10));
    shadow.setColorAt(0, QColor(0, 0, 0, 50));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(area.topLeft(), QSizeF(area.width(), cell / 10)), shadow);
}

QPointF cellCentre(QSizeF size, int cell) {
    return markedCardSquare(size, columnOfCell(cell), rowOfCell(cell)).center();
}

// The ends of one of the twelve lines of an example card: rows, columns, then the diagonals.
std::pair<QPointF, QPointF> lineEnds(QSizeF size, int line) {
    auto at = [&](int column, int row) { return markedCardSquare(size, column, row).center(); };
    if (line < example_line::ColumnB) return {at(1, line + 1), at(5, line + 1)};
    if (line < example_line::MainDiagonal) {
        const int column = line - example_line::ColumnB + 1;
        return {at(column, 1), at(column, 5)};
    }
    if (line == example_line::MainDiagonal) return {at(1, 1), at(5, 5)};
    return {at(1, 5), at(5, 1)};
}

QColor lineColour(int line) {
    if (line < example_line::ColumnB) return style::markRow;
    if (line < example_line::MainDiagonal) return style::markColumn;
    return style::markDiagonal;
}

} // namespace

QRectF crisp(const QPainter& p, const QRectF& rect) {
    const QTransform toDevice = p.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) return rect;
    const QRectF device = toDevice.mapRect(rect);
    const double left = std::round(device.left()), top = std::round(device.top());
    const double width = std::max(1.0, std::round(device.width()));
    const double height = std::max(1.0, std::round(device.height()));
    return toDevice.inverted().mapRect(QRectF(left, top, width, height));
}

QPainterPath loop(int count, const std::function<QPointF(int)>& pointAt) {
    QPolygonF points;
    for (int k = 0; k < count; ++k) points << pointAt(k);
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, double outer, double inner, int points) {
    return loop(2 * points, [&](int i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double radius = i % 2 == 0 ? outer : inner;
        return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    });
}

void markDot(QPainter& p, QPointF centre, double radius) {
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(style::markDot.darker(160), std::max(0.6, radius / 9)));
    p.setBrush(style::markDot);
    p.drawEllipse(disc);
    // A small glint on the upper left, well away from the middle.
    QRadialGradient glint(centre + QPointF(-0.4, -0.45) * radius, radius * 0.45);
    glint.setColorAt(0, QColor(255, 255, 255, 170));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(disc);
}

void headingBalls(QPainter& p, const double (&centresX)[5], double centreY, double radius, bool letters) {
    const QFont font = style::sans(int(std::round(radius * 1.25)));
    for (int k = 0; k < 5; ++k) {
        const QRectF box(centresX[k] - radius, centreY - radius, 2 * radius, 2 * radius);
        ball(p, box, 0, {style::columnColours[std::size_t(k)], {}, false, {}, {}});
        if (!letters) continue;
        const QString letter(QChar(columnLetter(k + 1)));
        QPainterPath text;
        const QFontMetricsF metrics(font);
        const QRectF bounds = metrics.tightBoundingRect(letter);
        text.addText(box.center() - bounds.center(), font, letter);
        p.fillPath(text.translated(radius / 14, radius / 14), QColor(0, 0, 0, 110));
        p.fillPath(text, Qt::white);
    }
}

QRectF cardPanelSquare(int column, int row) {
    return squareIn(PanelLeft, PanelTop, PanelPitch, column, row);
}

void cardPanel(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(QPointF(0, 0), CardSize);
    p.fillRect(whole, style::cardFrame);
    QLinearGradient sheen(0, 0, 0, PanelTop);
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, whole.width(), PanelTop), sheen);

    double centres[5];
    for (int k = 0; k < 5; ++k) centres[k] = cardPanelSquare(k + 1, 1).center().x();
    headingBalls(p, centres, PanelTop / 2 + 1, 21);
    grid(p, QRectF(PanelLeft, PanelTop, 5 * PanelPitch, 5 * PanelPitch), PanelPitch);
}

QRectF markedCardSquare(QSizeF size, int column, int row) {
    const card_grid::Grid g = markedGeometry(size);
    return squareIn(g.left, g.top, g.cell, column, row);
}

void markedCard(QPainter& p, QSizeF size, const ExampleMarks& marks, Heading heading) {
    p.setRenderHint(QPainter::Antialiasing);
    const card_grid::Grid g = markedGeometry(size);
    QPainterPath card;
    card.addRoundedRect(QRectF(QPointF(0, 0), size), g.margin * 1.2, g.margin * 1.2);
    p.fillPath(card, style::cardFrame);

    // The heading: coloured balls when there is room for them, plain letters when not.
    double centres[5];
    for (int k = 0; k < 5; ++k) centres[k] = markedCardSquare(size, k + 1, 1).center().x();
    const double band = g.top, radius = std::min(g.cell * 0.46, band / 2 - 2);
    if (radius >= 7) {
        headingBalls(p, centres, band / 2 + 0.5, radius, heading == Heading::Letters);
    } else if (heading == Heading::Letters) {
        const QFont font = style::sans(int(std::max(6.0, std::round(band * 0.72))));
        for (int k = 0; k < 5; ++k) {
            const QString letter(QChar(columnLetter(k + 1)));
            const QRectF bounds = QFontMetricsF(font).tightBoundingRect(letter);
            QPainterPath text;
            text.addText(QPointF(centres[k], band / 2) - bounds.center(), font, letter);
            p.fillPath(text, Qt::white);
        }
    }
    const QRectF area(g.left, g.top, 5 * g.cell, 5 * g.cell);
    grid(p, area, g.cell);

    const double width = std::max(1.2, style::markLine * g.cell / 23);
    for (int line = 0; line < example_line::Count; ++line) {
        if (!marks.lines.test(std::size_t(line))) continue;
        const auto [from, to] = lineEnds(size, line);
        p.setPen(QPen(lineColour(line), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    }
    // The free space's star stays in sight over the lines that cross it.
    if (marks.lines.any()) freeStar(p, area, g.cell);
    for (int cell = 1; cell <= CellCount; ++cell)
        if (marks.dots.test(std::size_t(cell - 1))) markDot(p, cellCentre(size, cell), g.cell * 0.3);
}

void dot(QPainter& p, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(DotSize.width() / 2, DotSize.height() / 2);
    const double radius = DotSize.width() / 2 - 1.6;
    // A dauber's mark is nearly round, its edge a little uneven where the ink soaked in.
    constexpr int steps = 96;
    const QPainterPath blot = loop(steps, [&](int i) {
        const double phi = 2 * std::numbers::pi * i / steps;
        const double r = radius * (1 + 0.016 * std::sin(3 * phi + 0.7) + 0.011 * std::sin(7 * phi + 2.1));
        return centre + QPointF(r * std::cos(phi), r * std::sin(phi));
    });

    auto ink = [&](double alpha) {
        QColor c = colour;
        c.setAlphaF(float(alpha));
        return c;
    };
    // Thin in the middle, so the number beneath shows; denser at the rim where the ink gathers.
    QRadialGradient wash(centre, radius * 1.04);
    wash.setColorAt(0.0, ink(style::dotInkAlpha * 0.9));
    wash.setColorAt(0.7, ink(style::dotInkAlpha));
    wash.setColorAt(0.9, ink(style::dotRimAlpha));
    wash.setColorAt(1.0, ink(style::dotRimAlpha * 0.8));
    p.fillPath(blot, wash);
    p.setPen(QPen(ink(std::min(1.0, style::dotRimAlpha + 0.12)).darker(115), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(blot);

    // The wet sheen of fresh ink.
    QRadialGradient sheen(centre + QPointF(-0.42, -0.46) * radius, radius * 0.42);
    sheen.setColorAt(0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setClipPath(blot);
    p.fillRect(QRectF(QPointF(0, 0), DotSize), sheen);
}

} // namespace daubery::pictures::paint
