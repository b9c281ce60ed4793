#include "Painting.h"
#include "Pictures.h"

#include <QPainter>

namespace daubery::pictures {

void paintIcon(QPainter& painter, const QRectF& square) {
    // The called ball with its face turned a little towards the viewer, carrying a number.
    paint::BallLook look = paint::calledBall();
    look.faceAt = {-0.08, -0.12};
    look.letter = QStringLiteral("B");
    look.number = QStringLiteral("7");
    paint::ball(painter, square, 0, look);
}

QImage icon(int pixels) {
    QImage canvas(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    paintIcon(painter, QRectF(0, 0, pixels, pixels));
    return canvas;
}

} // namespace daubery::pictures
