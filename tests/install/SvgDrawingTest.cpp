// The scalable icon's drawing: a scene as librsvg (the desktop's SVG renderer) draws its SVG must
// look as QPainter paints it on pixels.
#include "SvgDrawing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

namespace {

constexpr int Side = 120;

QImage onWhite(const QImage& picture) {
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

// The root mean square difference of the two pictures' colour channels, 0 (same) to 1.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += d * d;
        }
    return std::sqrt(sum / (3.0 * Side * Side)) / 255;
}

// The scene as librsvg draws its SVG drawing, and as QPainter paints it on pixels; both on white.
std::pair<QImage, QImage> bothWays(const std::function<void(QPainter&)>& scene) {
    QImage painted(Side, Side, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    daubery::SvgDrawing drawing(Side, Side);
    for (QPaintDevice* device :
         {static_cast<QPaintDevice*>(&painted), static_cast<QPaintDevice*>(&drawing)}) {
        QPainter p(device);
        p.setRenderHint(QPainter::Antialiasing);
        scene(p);
    }
    QTemporaryDir dir;
    QFile svg(dir.filePath("scene.svg"));
    EXPECT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(drawing.document().toUtf8());
    svg.close();
    QProcess rsvg;
    rsvg.start("rsvg-convert", {"-w", QString::number(Side), "-h", QString::number(Side), svg.fileName(),
                                "-o", dir.filePath("drawn.png")});
    EXPECT_TRUE(rsvg.waitForFinished(20000)) << "rsvg-convert (librsvg2-bin) does not run";
    EXPECT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString()
                                  << drawing.document().toStdString();
    return {onWhite(QImage(dir.filePath("drawn.png"))), onWhite(painted)};
}

void expectSame(const char* what, const std::function<void(QPainter&)>& scene) {
    const auto [drawn, painted] = bothWays(scene);
    ASSERT_EQ(drawn.size(), QSize(Side, Side)) << what;
    EXPECT_LT(difference(drawn, painted), 0.02) << what;
}

QPainterPath star() {
    QPainterPath path;
    for (int k = 0; k < 5; ++k) {
        const double angle = -M_PI / 2 + k * 4 * M_PI / 5;
        const QPointF point(60 + 55 * std::cos(angle), 60 + 55 * std::sin(angle));
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// Each scene leans on one thing the drawing has to carry over: clips set, intersected, replaced,
// switched off and lifted by restore; both fill rules; translucency and opacity; gradients placed by
// painter and brush; outlines with their pen.
TEST(SvgDrawing, LibrsvgDrawsEachSceneAsQPainterPaintsIt) {
    const std::pair<const char*, std::function<void(QPainter&)>> scenes[] = {
        {"a clip set under a transform, then lifted by restore",
         [](QPainter& p) {
             p.save();
             p.translate(30, 20);
             QPainterPath disc;
             disc.addEllipse(QRectF(0, 0, 80, 80));
             p.setClipPath(disc);
             p.fillRect(QRectF(-30, -20, Side, Side), QColor(200, 40, 40));
             p.restore();
             p.fillRect(QRectF(0, 90, 40, 30), QColor(40, 40, 200));
         }},
        {"two clips intersected",
         [](QPainter& p) {
             p.setClipRect(QRectF(0, 0, 80, 120));
             p.setClipRect(QRectF(40, 30, 80, 60), Qt::IntersectClip);
             p.fillRect(QRectF(0, 0, Side, Side), QColor(30, 150, 30));
         }},
        {"a clip replaced by another",
         [](QPainter& p) {
             p.setClipRect(QRectF(0, 0, 40, 40));
             p.setClipRect(QRectF(50, 50, 70, 70));
             p.fillRect(QRectF(0, 0, Side, Side), QColor(30, 150, 30));
         }},
        {"a clip switched off",
         [](QPainter& p) {
             p.setClipRect(QRectF(0, 0, 20, 20));
             p.setClipping(false);
             p.fillRect(QRectF(10, 10, 100, 100), QColor(30, 150, 30));
         }},
        {"odd-even: the star's middle stays empty",
         [](QPainter& p) { p.fillPath(star(), QColor(20, 20, 120)); }},
        {"winding: the star's middle is filled",
         [](QPainter& p) {
             QPainterPath path = star();
             path.setFillRule(Qt::WindingFill);
             p.fillPath(path, QColor(20, 20, 120));
         }},
        {"a half-clear colour and a half-opaque painter",
         [](QPainter& p) {
             p.fillRect(QRectF(0, 0, 80, 80), QColor(0, 0, 255, 128));
             p.setOpacity(0.4);
             p.fillRect(QRectF(40, 40, 80, 80), QColor(255, 0, 0));
         }},
        {"a radial gradient off its centre, under a turned and squeezed painter",
         [](QPainter& p) {
             p.translate(60, 60);
             p.rotate(-38);
             p.scale(1.0, 0.6);
             QRadialGradient gloss(QPointF(0, 0), 60, QPointF(-25, -10));
             gloss.setColorAt(0, QColor(255, 220, 0));
             gloss.setColorAt(0.5, QColor(200, 0, 0));
             gloss.setColorAt(1, QColor(0, 0, 120));
             p.fillRect(QRectF(-80, -80, 160, 160), gloss);
         }},
        {"a linear gradient turned by its brush, repeating",
         [](QPainter& p) {
             QLinearGradient bands(QPointF(0, 0), QPointF(30, 0));
             bands.setColorAt(0, Qt::black);
             bands.setColorAt(1, Qt::yellow);
             bands.setSpread(QGradient::RepeatSpread);
             QBrush brush(bands);
             brush.setTransform(QTransform().rotate(90));
             p.fillRect(QRectF(0, 0, Side, Side), brush);
         }},
        {"a wide polyline with round ends and joins, unfilled though a brush is set, and a dashed line",
         [](QPainter& p) {
             p.setBrush(QColor(250, 200, 0));
             p.setPen(QPen(QColor(0, 90, 0), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             const QPointF zigzag[] = {{10, 20}, {60, 60}, {110, 20}};
             p.drawPolyline(zigzag, 3);
             p.setPen(QPen(QColor(120, 0, 120), 8, Qt::DashLine, Qt::FlatCap));
             p.drawLine(QPointF(10, 100), QPointF(110, 100));
         }},
        {"an outlined and filled ellipse", [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 0, 90), 6));
             p.setBrush(QColor(240, 120, 20));
             p.drawEllipse(QRectF(15, 15, 90, 90));
         }}};
    for (const auto& [what, scene] : scenes) expectSame(what, scene);
}

} // namespace
