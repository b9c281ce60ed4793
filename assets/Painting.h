#pragma once
// The painters behind the pictures. Each paints in the picture's own device-independent
// coordinates, from (0, 0); the caller sets up the device pixel ratio.

#include "CardGrid.h"
#include "game/Patterns.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace daubery::pictures::paint {

inline constexpr QSizeF BackgroundSize{750, 375};
inline constexpr QSizeF CardSize{250, 300};
inline constexpr QSizeF BallSize{55, 54};
inline constexpr QSizeF DotSize{30, 30};
inline constexpr QSizeF ExampleCardSize{card_grid::ExampleWidth, card_grid::ExampleHeight};
inline constexpr QSizeF HelpPageSize{125, 150};
// The help guide's likeness shows the options dialog at this scale, its sample card included.
inline constexpr double LikenessScale = 0.8;
inline constexpr QSizeF OptionsLikenessSize{258, 240};
inline constexpr QSizeF FourCornersSampleSize{card_grid::ExampleWidth * LikenessScale,
                                              int(card_grid::ExampleHeight* LikenessScale)};

// A ball: its body colour, and what its faces carry. The game's frames leave the faces blank
// for the label that the game lays over the resting ball.
struct BallLook {
    QColor body;
    QPointF faceAt;         // where the front face's middle is at turn 0, in ball radii from the centre
    bool faces = true;      // two white faces on opposite sides, or a plain ball
    QString letter, number; // printed on the faces, letter above number
    QColor ring = {};       // round each face; the faces' usual blue when not set
};

// The ball in `box`, turned `turn` of a full spin (0 upright, 1 all the way round).
void ball(QPainter& p, const QRectF& box, double turn, const BallLook& look);
// The look of the game's called ball in a body colour, whose face at rest lies under the game's ball label.
BallLook calledBall();
BallLook calledBall(const QColor& body);

void background(QPainter& p);
void cardPanel(QPainter& p);
void dot(QPainter& p, const QColor& colour);
// A sample card of the given size, marked as the catalogue's marks say: the help pages, the guide's
// sample and, unmarked, the example card under the game's own boxes. Its heading balls carry their
// letters, or stay blank for the letters the game writes over them.
enum class Heading { Letters, Blank };
void markedCard(QPainter& p, QSizeF size, const ExampleMarks& marks, Heading heading = Heading::Letters);
void optionsLikeness(QPainter& p);
// The example card with the Four Corners marks at the likeness's scale: its sample.
void fourCornersSample(QPainter& p);

// Squares of the card pictures, column and row 1..5.
QRectF cardPanelSquare(int column, int row);
QRectF markedCardSquare(QSizeF size, int column, int row);

// Shared pieces.
// The rectangle moved to whole device pixels, so thin rules stay sharp at ratios such as 1.25
// and 1.5; unchanged when the painter is rotated or sheared.
QRectF crisp(const QPainter& p, const QRectF& rect);
// A closed outline through `count` points, the k-th at pointAt(k).
QPainterPath loop(int count, const std::function<QPointF(int)>& pointAt);
QPainterPath star(QPointF centre, double outer, double inner, int points = 5);
void markDot(QPainter& p, QPointF centre, double radius);
// The heading letters B I N G O as small coloured balls, centred at the given x positions.
void headingBalls(QPainter& p, const double (&centresX)[5], double centreY, double radius,
                  bool letters = true);

} // namespace daubery::pictures::paint
