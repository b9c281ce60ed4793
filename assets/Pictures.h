#pragma once
// Every picture the game shows, painted by code: the window background, the card panels, the
// thirteen frames of the called ball, the five daubs, the example card and the help pictures.
//
// Sizes are device-independent pixels. A picture asked for at a device pixel ratio is painted at
// that many times the pixels, so it stays sharp on a scaled screen.

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

#include <string>
#include <string_view>
#include <vector>

namespace daubery::pictures {

// The picture's size, or an empty size for a name that is not a picture.
QSize size(std::string_view name);

// The picture painted at size × devicePixelRatio pixels, with that ratio set on the image; a null
// image for a name that is not a picture. Painted once per name and ratio, then reused.
QImage image(std::string_view name, qreal devicePixelRatio = 1.0);

// Every picture's name: "background", "card", "ball-0".."ball-12", "dot-blue", "dot-red",
// "dot-green", "dot-yellow", "dot-purple", "example-card", "sample-card", "help-page-0".."help-page-11",
// "help-options" and "help-four-corners".
const std::vector<std::string>& names();

// Where a picture of a card has the square of a column 1..5 (B..O) and a row 1..5, in the
// picture's own coordinates: "card", "example-card", "sample-card", the help pages and "help-four-corners".
// An empty rectangle for any other name.
QRectF squareRect(std::string_view name, int column, int row);

} // namespace daubery::pictures

namespace daubery::pictures {

// The game's icon, the ball at rest filling a square: painted into `square` of any painter, so a
// window's icon, the desktop's icon files and a vector drawing of it all come from this one painter.
void paintIcon(QPainter& painter, const QRectF& square);
// The icon as a picture of pixels × pixels.
QImage icon(int pixels);

} // namespace daubery::pictures
