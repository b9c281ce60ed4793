// A likeness of the options dialog for the help viewer's guide to it: the four choices on the
// left with their drop-downs, the link and the buttons below, and on the right the sample of the
// game type shown, Four Corners.

#include "Painting.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>

namespace daubery::pictures::paint {

namespace {

// The dialog is laid out in twips on a client area of 4575 × 4065; the likeness is 300 × 250.
QRectF fromTwips(int left, int top, int width, int height) {
    const double sx = OptionsLikenessSize.width() / 4575, sy = OptionsLikenessSize.height() / 4065;
    return {left * sx, top * sy, width * sx, height * sy};
}

constexpr int TextSize = 9;

void label(QPainter& p, const QRectF& area, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    p.setFont(style::sans(TextSize, false));
    p.setPen(style::dialogText);
    p.drawText(area, align | Qt::AlignVCenter, text);
}

void dropDown(QPainter& p, const QRectF& area, const QString& text) {
    const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(style::fieldBorder, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 2, 2);
    const double arrow = box.height();
    const QRectF button(box.right() - arrow, box.top(), arrow, box.height());
    p.fillRect(button.adjusted(0.5, 0.5, -0.5, -0.5), style::buttonBottom);
    p.fillRect(QRectF(button.left(), button.top() + 1, 1, button.height() - 2), style::fieldBorder);
    const QPointF c = button.center();
    QPainterPath chevron;
    chevron.moveTo(c + QPointF(-3.5, -1.5));
    chevron.lineTo(c + QPointF(3.5, -1.5));
    chevron.lineTo(c + QPointF(0, 2.5));
    chevron.closeSubpath();
    p.fillPath(chevron, style::dialogText);
    label(p, box.adjusted(4, 0, -arrow, 0), text);
}

void button(QPainter& p, const QRectF& area, const QString& text) {
    const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, style::buttonTop);
    face.setColorAt(1, style::buttonBottom);
    p.setPen(QPen(style::fieldBorder, 1));
    p.setBrush(face);
    p.drawRoundedRect(box, 3, 3);
    label(p, box, text, Qt::AlignHCenter);
}

// The sample card: the example card with its heading letters and the pattern's circles.
void sample(QPainter& p, const QRectF& area, int gameType) {
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / ExampleCardSize.width(), area.height() / ExampleCardSize.height());
    exampleCard(p);
    p.setFont(style::sans(10));
    p.setPen(style::exampleInk);
    for (int column = 1; column <= 5; ++column) {
        const QRectF square = exampleCardSquare(column, 1);
        p.drawText(QRectF(square.left(), 1, square.width(), 17), Qt::AlignCenter,
                   QString(QChar(columnLetter(column))));
    }
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row) {
            if (column == 3 && row == 3) continue;
            p.setPen(QPen(QColor(110, 110, 110), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(exampleCardSquare(column, row).adjusted(0.4, 0.4, -0.4, -0.4));
        }
    const ExampleMarks marks = exampleMarks(gameType);
    for (int cell = 1; cell <= CellCount; ++cell)
        if (marks.dots.test(std::size_t(cell - 1)))
            markDot(p, exampleCardSquare(columnOfCell(cell), rowOfCell(cell)).center(), 4.5);
    p.restore();
}

} // namespace

void optionsLikeness(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(QPointF(0, 0), OptionsLikenessSize), style::dialogFace);

    label(p, fromTwips(120, 120, 2055, 255), QStringLiteral("Number of Boards"));
    dropDown(p, fromTwips(120, 375, 2055, 315), QStringLiteral("1 Board"));
    label(p, fromTwips(120, 810, 2055, 255), QStringLiteral("Game Type"));
    dropDown(p, fromTwips(120, 1065, 2055, 315), QStringLiteral("Four Corners"));
    label(p, fromTwips(120, 1500, 2055, 255), QStringLiteral("Time Between Ball's"));
    dropDown(p, fromTwips(120, 1755, 2055, 315), QStringLiteral("5 Seconds"));
    label(p, fromTwips(120, 2190, 2055, 255), QStringLiteral("Number of Pc players"));
    dropDown(p, fromTwips(120, 2445, 2055, 315), QStringLiteral("1 Pc player"));

    QFont link = style::sans(TextSize, false);
    link.setUnderline(true);
    p.setFont(link);
    p.setPen(style::linkBlue);
    p.drawText(fromTwips(120, 2940, 2055, 255), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Visit us for more games"));

    button(p, fromTwips(120, 3480, 1335, 420), QStringLiteral("Start"));
    button(p, fromTwips(1560, 3480, 1335, 420), QStringLiteral("Cancel"));
    button(p, fromTwips(3000, 3480, 1335, 420), QStringLiteral("Help"));

    const GameTypeInfo& shown = gameType(game_type::FourCorners);
    p.setFont(style::sans(10));
    p.setPen(style::dialogText);
    p.drawText(fromTwips(2400, 120, 2055, 255), Qt::AlignCenter, QString::fromUtf8(shown.name));
    sample(p, fromTwips(2640, 420, 1515, 1830), shown.number);
    p.setFont(style::sans(TextSize, false));
    p.drawText(fromTwips(2280, 2310, 2175, 1050), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(shown.description));
}

} // namespace daubery::pictures::paint
