// The glossy bingo ball. It is modelled as a sphere seen from the front: two round white faces on
// opposite sides turn with it, each face is outlined by projecting its rim, and the gloss is laid
// over the whole in gradients, so the ball is sharp at any pixel ratio.

#include "Painting.h"
#include "Style.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace daubery::pictures::paint {

namespace {

// x to the right, y down the screen, z towards the viewer; unit lengths are ball radii.
struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y, k * a.z};
}
double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec unit(Vec a) {
    return (1.0 / std::sqrt(dot(a, a))) * a;
}

// Rodrigues' rotation of v about the unit axis k.
Vec rotate(Vec v, Vec k, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return c * v + s * cross(k, v) + (dot(k, v) * (1 - c)) * k;
}

// A face as it stands after the turn: its middle and two directions along it, right and up.
struct Face {
    Vec middle, right, up;
};

// The outline on screen of the visible part of a round patch (a cap) of angular radius
// `radius` round `face.middle`. Rim points on the far side are pulled onto the ball's outline,
// where the visible part of the patch ends.
QPainterPath capOutline(const Face& face, double radius, QPointF centre, double r) {
    constexpr int steps = 144;
    return loop(steps, [&](int i) {
        const double phi = 2 * std::numbers::pi * i / steps;
        Vec rim = std::cos(radius) * face.middle +
                  std::sin(radius) * (std::cos(phi) * face.right + std::sin(phi) * face.up);
        if (rim.z < 0) {
            const double flat = std::hypot(rim.x, rim.y);
            rim = {rim.x / flat, rim.y / flat, 0};
        }
        return QPointF(centre.x() + r * rim.x, centre.y() + r * rim.y);
    });
}

bool capShows(const Face& face, double radius) {
    return face.middle.z > -std::sin(radius);
}

// The face's letter and number, printed flat on the face's plane.
void printFace(QPainter& p, const Face& face, const BallLook& look, QPointF centre, double r) {
    if (face.middle.z < 0.25) return;
    constexpr double units = 100; // text is laid out at 100 units to the face's radius
    const double k = r * std::sin(style::ballFaceRadius) / units;
    const double lift = r * std::cos(style::ballFaceRadius);
    const QTransform onFace(k * face.right.x, k * face.right.y, -k * face.up.x, -k * face.up.y,
                            centre.x() + lift * face.middle.x, centre.y() + lift * face.middle.y);
    QPainterPath text;
    const QFont letterFont = style::sans(44);
    const QFont numberFont = style::sans(look.letter.isEmpty() ? 90 : 72);
    const QFontMetricsF letterMetrics(letterFont), numberMetrics(numberFont);
    if (!look.letter.isEmpty())
        text.addText(-letterMetrics.horizontalAdvance(look.letter) / 2, -24, letterFont, look.letter);
    const double numberBaseline = look.letter.isEmpty() ? 32 : 52;
    text.addText(-numberMetrics.horizontalAdvance(look.number) / 2, numberBaseline, numberFont, look.number);
    p.save();
    p.setTransform(onFace, true);
    p.fillPath(text, QColor(25, 25, 40));
    p.restore();
}

} // namespace

BallLook calledBall() {
    return calledBall(style::ballBody);
}

BallLook calledBall(const QColor& body) {
    // At rest the game writes the called number over the ball from the left of x 24..57, y 11..28
    // of the 55 × 54 picture, about 25 wide at the most; the front face is turned so that its
    // middle lies under that text.
    const QPointF centre(BallSize.width() / 2, BallSize.height() / 2);
    const double r = BallSize.height() / 2 - 0.5;
    const QPointF label(24 + 25 / 2.0, 11 + 17 / 2.0);
    // The ring round the face: the usual blue on the plain ball, the body's own colour darkened on
    // a column's ball, so a blue B ball keeps its ring.
    const QColor ring = body == style::ballBody ? QColor() : body.darker(200);
    return {body, (label - centre) / r, true, {}, {}, ring};
}

void ball(QPainter& p, const QRectF& box, double turn, const BallLook& look) {
    const QPointF centre = box.center();
    const double r = std::min(box.width(), box.height()) / 2 - 0.5;
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath outline;
    outline.addEllipse(disc);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(outline, look.body);
    p.setClipPath(outline, Qt::IntersectClip);

    if (look.faces) {
        // The ball spins about an axis tilted a little from the horizontal, its front going down.
        const Vec axis = unit({1, 0.3, 0.1});
        const double angle = -2 * std::numbers::pi * turn;
        const double fx = look.faceAt.x(), fy = look.faceAt.y();
        const Vec middle0{fx, fy, std::sqrt(std::max(0.0, 1 - fx * fx - fy * fy))};
        const Vec up0 = unit(Vec{0, -1, 0} + (-dot({0, -1, 0}, middle0)) * middle0);
        const Vec right0 = cross(middle0, up0);
        for (double side : {1.0, -1.0}) {
            const Face face{rotate(side * middle0, axis, angle), rotate(side * right0, axis, angle),
                            rotate(up0, axis, angle)};
            const double ring = style::ballFaceRadius + style::ballRingWidth;
            if (!capShows(face, ring)) continue;
            p.fillPath(capOutline(face, ring, centre, r),
                       look.ring.isValid() ? look.ring : style::ballFaceRing);
            if (capShows(face, style::ballFaceRadius))
                p.fillPath(capOutline(face, style::ballFaceRadius, centre, r), style::ballFace);
            if (!look.number.isEmpty()) printFace(p, face, look, centre, r);
        }
    }

    // Shade: darker towards the edge away from the light.
    const QPointF light = centre + r * style::lightSpot;
    QRadialGradient shade(centre, r, light);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.6, QColor(0, 0, 0, int(255 * style::shadeAlpha * 0.12)));
    shade.setColorAt(0.88, QColor(0, 0, 0, int(255 * style::shadeAlpha * 0.5)));
    shade.setColorAt(1.0, QColor(0, 0, 0, int(255 * style::shadeAlpha)));
    p.fillRect(disc, shade);

    // Light thrown back from the table on the lower right.
    const QPointF bounceAt = centre + r * QPointF(0.5, 0.62);
    QRadialGradient bounce(bounceAt, r * 0.55);
    bounce.setColorAt(0.0, QColor(255, 255, 255, int(255 * style::bounceAlpha)));
    bounce.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(disc, bounce);

    // The gloss: a soft oval highlight leaning with the ball's curve, and a bright spot in it.
    p.save();
    p.translate(light);
    p.rotate(-38);
    p.scale(1.0, 0.68);
    const double hr = r * style::highlightSize;
    QRadialGradient gloss(QPointF(0, 0), hr);
    gloss.setColorAt(0.0, QColor(255, 255, 255, int(255 * style::highlightAlpha)));
    gloss.setColorAt(0.35, QColor(255, 255, 255, int(255 * style::highlightAlpha * 0.6)));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(-hr, -hr, 2 * hr, 2 * hr), gloss);
    p.restore();

    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 90), style::ballOutline));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(style::ballOutline / 2, style::ballOutline / 2, -style::ballOutline / 2,
                                -style::ballOutline / 2));
    p.restore();
}

} // namespace daubery::pictures::paint
