// The main window's background: a felt table under a lamp, a chute down the middle where the
// called ball falls and rests, a plate for the balance and wins, and a wooden rail along the
// bottom for the claim button. Before a round the cards are away and the table shows the game's
// name, a card with a few daubs and some balls.

#include "Painting.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace daubery::pictures::paint {

namespace {

// Where the window puts things over the background.
constexpr double RailTop = 304; // the claim button lies on the rail, y 312..337
// The ball falls down the chute and rests at (272, 101), inside it; the balance and wins below.
const QRectF Chute(263, -8, 74, 167);
const QPointF BallRest(272 + 27.5, 101 + 27); // the resting ball's centre
// The panel that holds a card picture, a little larger than the picture.
constexpr QSizeF CardPanelSize(257, 305);
// The second card's place, x 344..601: the game's name sits there, clear of the chute.
constexpr double TitleMiddle = 472.5;

// A small fixed sequence of pseudo-random numbers in [0, 1), so the felt's nap is the same every time.
class Scatter {
public:
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t state_ = 20240601u;
};

void felt(QPainter& p, const QRectF& area) {
    QRadialGradient lamp(QPointF(310, 135), 470);
    lamp.setColorAt(0, style::feltLamp);
    lamp.setColorAt(0.55, style::feltLamp.darker(135));
    lamp.setColorAt(1, style::feltEdge);
    p.fillRect(area, lamp);
    // The nap: fine light and dark flecks.
    Scatter scatter;
    for (int i = 0; i < 9000; ++i) {
        const QPointF at(scatter.next() * area.width(), scatter.next() * area.height());
        const bool light = scatter.next() < 0.5;
        p.fillRect(QRectF(at, QSizeF(1, 1)), light ? QColor(255, 255, 255, 9) : QColor(0, 0, 0, 16));
    }
}

void rail(QPainter& p) {
    const QRectF wood(0, RailTop, BackgroundSize.width(), BackgroundSize.height() - RailTop);
    // Its shadow on the felt.
    QLinearGradient shadow(0, RailTop - 10, 0, RailTop);
    shadow.setColorAt(0, QColor(0, 0, 0, 0));
    shadow.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRectF(0, RailTop - 10, wood.width(), 10), shadow);

    QLinearGradient body(wood.topLeft(), wood.bottomLeft());
    body.setColorAt(0, style::woodLight);
    body.setColorAt(0.45, style::woodLight.darker(125));
    body.setColorAt(1, style::woodDark);
    p.fillRect(wood, body);
    // Grain: long, gently waving lines.
    Scatter scatter;
    for (int i = 0; i < 22; ++i) {
        const double y = wood.top() + 6 + scatter.next() * (wood.height() - 8);
        QPainterPath grain(QPointF(-10, y));
        for (double x = -10; x < wood.width() + 10; x += 120) {
            const double lift = (scatter.next() - 0.5) * 5;
            grain.cubicTo(QPointF(x + 40, y + lift), QPointF(x + 80, y - lift), QPointF(x + 120, y));
        }
        p.setPen(QPen(QColor(40, 18, 6, 40 + int(scatter.next() * 40)), 0.6 + scatter.next() * 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    // A brass strip along the rail's edge.
    QLinearGradient strip(0, RailTop, 0, RailTop + 3);
    strip.setColorAt(0, style::brass.lighter(125));
    strip.setColorAt(1, style::brassDark);
    p.fillRect(QRectF(0, RailTop, wood.width(), 3), strip);
}

// A recess in the felt: darker inside, shadowed along its top and left edges, lit along the others.
void recess(QPainter& p, const QRectF& area, double radius, int depth) {
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);
    p.fillPath(shape, QColor(0, 0, 0, depth));
    p.save();
    p.setClipPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 3));
    p.drawPath(shape.translated(1.2, 1.2));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 38), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape.translated(0, 0.5));
}

void chute(QPainter& p) {
    recess(p, Chute, 12, 55);
    // A soft pool of shadow where the ball comes to rest.
    QRadialGradient pool(QPointF(0, 0), 1);
    pool.setColorAt(0, QColor(0, 0, 0, 120));
    pool.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(BallRest + QPointF(2, 25));
    p.scale(26, 6);
    p.fillRect(QRectF(-1, -1, 2, 2), pool);
    p.restore();
}

// The idle table's show card: the card panel in small, with sample numbers and a diagonal daubed.
void showCard(QPainter& p) {
    p.save();
    p.translate(52, 66);
    p.rotate(-9);
    p.scale(0.6, 0.6);
    // A soft shadow under the card, in layers that spread and fade.
    for (int k = 0; k < 8; ++k) {
        const double spread = 2.0 * k;
        QPainterPath layer;
        layer.addRoundedRect(QRectF(QPointF(6, 9), CardPanelSize).adjusted(-spread, -spread, spread, spread),
                             spread, spread);
        p.fillPath(layer, QColor(0, 0, 0, 16));
    }
    // The card in its panel, whose edge runs on past the picture as in the game.
    p.fillRect(QRectF(QPointF(0, 0), CardPanelSize), style::cardFrame);
    cardPanel(p);
    constexpr int numbers[5][5] = {{7, 12, 3, 14, 9},
                                   {22, 17, 29, 19, 26},
                                   {41, 33, 0, 38, 45},
                                   {52, 48, 59, 55, 47},
                                   {63, 70, 66, 74, 61}};
    p.setFont(style::sans(18));
    p.setPen(QColor(30, 30, 40));
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row)
            if (const int n = numbers[column - 1][row - 1]; n != 0)
                p.drawText(cardPanelSquare(column, row), Qt::AlignCenter, QString::number(n));
    p.setFont(style::sans(12));
    p.drawText(cardPanelSquare(3, 3), Qt::AlignCenter, QStringLiteral("Free\nSpace"));
    // A diagonal daubed but for the free space, whose words stay in sight.
    for (int k : {1, 2, 4, 5}) {
        const QRectF square = cardPanelSquare(k, k);
        p.save();
        p.translate(square.center() - QPointF(DotSize.width(), DotSize.height()) / 2);
        dot(p, style::dotColours[0]);
        p.restore();
    }
    p.restore();
}

void showBall(QPainter& p, QPointF centre, double radius, int column, int number, double turn) {
    const BallLook look{style::columnColours[std::size_t(column - 1)],
                        {-0.05, -0.12},
                        true,
                        QString(QChar(columnLetter(column))),
                        QString::number(number)};
    // Its shadow on the felt first.
    QRadialGradient shadow(QPointF(0, 0), 1);
    shadow.setColorAt(0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(centre + QPointF(radius * 0.25, radius * 0.92));
    p.scale(radius * 1.0, radius * 0.28);
    p.fillRect(QRectF(-1, -1, 2, 2), shadow);
    p.restore();
    ball(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), turn, look);
}

void title(QPainter& p) {
    const QFont font = style::serif(50, true, true);
    const QString name = QStringLiteral("Daubery");
    QPainterPath text;
    text.addText(0, 0, font, name);
    const QRectF bounds = text.boundingRect();
    text.translate(TitleMiddle - bounds.center().x(), 124);
    const QRectF placed = text.boundingRect();

    p.fillPath(text.translated(2, 3), QColor(0, 0, 0, 120));
    QLinearGradient gold(placed.topLeft(), placed.bottomLeft());
    gold.setColorAt(0, QColor(255, 236, 160));
    gold.setColorAt(0.5, style::brass);
    gold.setColorAt(1, style::brassDark);
    p.fillPath(text, gold);
    p.setPen(QPen(QColor(70, 40, 10, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);

    QFont small = style::sans(12);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(small);
    p.setPen(style::brass.lighter(110));
    const QRectF line(TitleMiddle - 120, placed.bottom() + 8, 240, 20);
    p.drawText(line, Qt::AlignCenter, QStringLiteral("75 · BALL · BINGO"));
    // Fine rules either side of the tag line.
    const double y = line.center().y();
    const double half = QFontMetricsF(small).horizontalAdvance(QStringLiteral("75 · BALL · BINGO")) / 2 + 10;
    p.fillRect(QRectF(TitleMiddle - half - 30, y, 30, 1), style::brass);
    p.fillRect(QRectF(TitleMiddle + half, y, 30, 1), style::brass);
}

} // namespace

void background(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF whole(QPointF(0, 0), BackgroundSize);
    felt(p, whole);
    chute(p);
    showCard(p);
    showBall(p, QPointF(196, 236), 30, 4, 52, 0.02);
    showBall(p, QPointF(132, 262), 24, 1, 7, 0.95);
    showBall(p, QPointF(236, 276), 20, 5, 68, 0.04);
    // The title's side stays clear of balls: in a one-card game it shows, and a numbered ball
    // there would read as a called number.
    title(p);
    rail(p);
}

} // namespace daubery::pictures::paint
