#include "SvgDrawing.h"

#include <QBuffer>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>

#include <vector>

namespace daubery {

namespace {

QString number(qreal value) {
    return QString::number(value, 'g', 7);
}

QString matrix(const QTransform& t) {
    return QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
        .arg(number(t.m11()), number(t.m12()), number(t.m21()), number(t.m22()), number(t.dx()),
             number(t.dy()));
}

QString pathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QLatin1Char('M');
            break;
        case QPainterPath::LineToElement:
            d += QLatin1Char('L');
            break;
        case QPainterPath::CurveToElement:
            d += QLatin1Char('C');
            break;
        case QPainterPath::CurveToDataElement:
            d += QLatin1Char(' ');
            break;
        }
        d += number(e.x) + QLatin1Char(' ') + number(e.y);
    }
    return d;
}

// A colour as SVG writes it: the colour, and its opacity apart.
QString colourAttributes(const QString& what, const QColor& colour) {
    QString text = QStringLiteral(" %1=\"%2\"").arg(what, colour.name(QColor::HexRgb));
    if (colour.alpha() != 255)
        text += QStringLiteral(" %1-opacity=\"%2\"").arg(what, number(colour.alphaF()));
    return text;
}

} // namespace

class SvgEngine : public QPaintEngine {
public:
    SvgEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& changed) override {
        const DirtyFlags dirty = changed.state();
        if (dirty & DirtyPen) pen_ = changed.pen();
        if (dirty & DirtyBrush) brush_ = changed.brush();
        if (dirty & DirtyBrushOrigin) brushOrigin_ = changed.brushOrigin();
        if (dirty & DirtyTransform) transform_ = changed.transform();
        if (dirty & DirtyOpacity) opacity_ = changed.opacity();
        // A clip is kept in the drawing's own units, as it lies when it is set.
        if (dirty & DirtyClipPath) clip(transform_.map(changed.clipPath()), changed.clipOperation());
        if (dirty & DirtyClipRegion) {
            QPainterPath region;
            region.addRegion(changed.clipRegion());
            clip(transform_.map(region), changed.clipOperation());
        }
        if (dirty & DirtyClipEnabled) clipEnabled_ = changed.isClipEnabled();
    }

    void drawPath(const QPainterPath& path) override { shape(path, true); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count < 1) return;
        QPainterPath path;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i) path.lineTo(points[i]);
        if (mode == PolylineMode) return shape(path, false);
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        shape(path, true);
    }

    void drawLines(const QLineF* lines, int count) override {
        QPainterPath path;
        for (int i = 0; i < count; ++i) {
            path.moveTo(lines[i].p1());
            path.lineTo(lines[i].p2());
        }
        shape(path, false);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.copy(source.toAlignedRect()).save(&buffer, "PNG");
        body_ +=
            open() +
            QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                           "preserveAspectRatio=\"none\" transform=\"%5\"%6 href=\"data:image/"
                           "png;base64,%7\"/>")
                .arg(number(target.x()), number(target.y()), number(target.width()), number(target.height()),
                     matrix(transform_), opacityAttribute(), QString::fromLatin1(png.toBase64())) +
            close();
    }

    QString document(int width, int height) const {
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1\" "
                              "height=\"%2\" viewBox=\"0 0 %1 %2\">\n<defs>\n%3</defs>\n%4</svg>\n")
            .arg(width)
            .arg(height)
            .arg(defs_, body_);
    }

private:
    void clip(const QPainterPath& path, Qt::ClipOperation operation) {
        if (operation != Qt::IntersectClip) clips_.clear();
        if (operation == Qt::NoClip) return;
        clips_.push_back(clipShapes_.size());
        clipShapes_.push_back(path);
        defs_ += QStringLiteral("<clipPath id=\"clip%1\"><path d=\"%2\" clip-rule=\"%3\"/></clipPath>\n")
                     .arg(clipShapes_.size())
                     .arg(pathData(path), fillRule(path));
    }

    static QString fillRule(const QPainterPath& path) {
        return path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
    }

    // The groups that clip what is drawn inside them, one for each clip in force.
    QString open() const {
        QString text;
        if (clipEnabled_)
            for (std::size_t k : clips_) text += QStringLiteral("<g clip-path=\"url(#clip%1)\">").arg(k + 1);
        return text;
    }
    QString close() const {
        return clipEnabled_ ? QStringLiteral("</g>").repeated(int(clips_.size())) : QString();
    }

    QString opacityAttribute() const {
        return opacity_ < 1 ? QStringLiteral(" opacity=\"%1\"").arg(number(opacity_)) : QString();
    }

    QString fill() {
        switch (brush_.style()) {
        case Qt::NoBrush:
            return QStringLiteral(" fill=\"none\"");
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
            return QStringLiteral(" fill=\"url(#%1)\"").arg(gradient());
        default:
            return colourAttributes(QStringLiteral("fill"), brush_.color());
        }
    }

    QString gradient() {
        const QGradient& g = *brush_.gradient();
        const QString id = QStringLiteral("gradient%1").arg(++gradients_);
        QString element;
        if (g.type() == QGradient::LinearGradient) {
            const auto& linear = static_cast<const QLinearGradient&>(g);
            element = QStringLiteral("<linearGradient id=\"%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\"")
                          .arg(id, number(linear.start().x()), number(linear.start().y()),
                               number(linear.finalStop().x()), number(linear.finalStop().y()));
        } else {
            const auto& radial = static_cast<const QRadialGradient&>(g);
            element =
                QStringLiteral("<radialGradient id=\"%1\" cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\"")
                    .arg(id, number(radial.center().x()), number(radial.center().y()),
                         number(radial.radius()), number(radial.focalPoint().x()),
                         number(radial.focalPoint().y()));
        }
        const bool boxed = g.coordinateMode() != QGradient::LogicalMode;
        element += boxed ? QStringLiteral(" gradientUnits=\"objectBoundingBox\"")
                         : QStringLiteral(" gradientUnits=\"userSpaceOnUse\"");
        QTransform place = brush_.transform();
        if (!boxed) place *= QTransform::fromTranslate(brushOrigin_.x(), brushOrigin_.y());
        if (!place.isIdentity()) element += QStringLiteral(" gradientTransform=\"%1\"").arg(matrix(place));
        if (g.spread() == QGradient::ReflectSpread) element += QStringLiteral(" spreadMethod=\"reflect\"");
        if (g.spread() == QGradient::RepeatSpread) element += QStringLiteral(" spreadMethod=\"repeat\"");
        element += QStringLiteral(">");
        for (const QGradientStop& stop : g.stops())
            element +=
                QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\" stop-opacity=\"%3\"/>")
                    .arg(number(stop.first), stop.second.name(QColor::HexRgb), number(stop.second.alphaF()));
        element += g.type() == QGradient::LinearGradient ? QStringLiteral("</linearGradient>\n")
                                                         : QStringLiteral("</radialGradient>\n");
        defs_ += element;
        return id;
    }

    QString stroke() const {
        if (pen_.style() == Qt::NoPen || pen_.brush().style() == Qt::NoBrush) return QString();
        QString text = colourAttributes(QStringLiteral("stroke"), pen_.color());
        const qreal width = pen_.widthF() > 0 ? pen_.widthF() : 1;
        text += QStringLiteral(" stroke-width=\"%1\"").arg(number(width));
        if (pen_.isCosmetic()) text += QStringLiteral(" vector-effect=\"non-scaling-stroke\"");
        switch (pen_.capStyle()) {
        case Qt::FlatCap:
            break;
        case Qt::RoundCap:
            text += QStringLiteral(" stroke-linecap=\"round\"");
            break;
        default:
            text += QStringLiteral(" stroke-linecap=\"square\"");
        }
        switch (pen_.joinStyle()) {
        case Qt::RoundJoin:
            text += QStringLiteral(" stroke-linejoin=\"round\"");
            break;
        case Qt::BevelJoin:
            text += QStringLiteral(" stroke-linejoin=\"bevel\"");
            break;
        default:
            text += QStringLiteral(" stroke-miterlimit=\"%1\"").arg(number(pen_.miterLimit()));
        }
        if (pen_.style() != Qt::SolidLine) {
            QStringList dashes;
            for (qreal dash : pen_.dashPattern()) dashes << number(dash * width);
            text += QStringLiteral(" stroke-dasharray=\"%1\"").arg(dashes.join(QLatin1Char(' ')));
        }
        return text;
    }

    void shape(const QPainterPath& path, bool filled) {
        if (path.isEmpty()) return;
        const QString paint = (filled ? fill() : QStringLiteral(" fill=\"none\"")) + stroke();
        body_ += open() +
                 QStringLiteral("<path d=\"%1\" fill-rule=\"%2\" transform=\"%3\"%4%5/>")
                     .arg(pathData(path), fillRule(path), matrix(transform_), paint, opacityAttribute()) +
                 close() + QLatin1Char('\n');
    }

    QPen pen_;
    QBrush brush_;
    QPointF brushOrigin_;
    QTransform transform_;
    qreal opacity_ = 1;
    bool clipEnabled_ = false;
    std::vector<std::size_t> clips_; // the clips in force, as places in clipShapes_
    std::vector<QPainterPath> clipShapes_;
    int gradients_ = 0;
    QString defs_, body_;
};

SvgDrawing::SvgDrawing(int width, int height)
    : width_(width), height_(height), engine_(std::make_unique<SvgEngine>()) {}

SvgDrawing::~SvgDrawing() = default;

QPaintEngine* SvgDrawing::paintEngine() const {
    return engine_.get();
}

QString SvgDrawing::document() const {
    return engine_->document(width_, height_);
}

int SvgDrawing::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return qRound(width_ * 25.4 / 96);
    case PdmHeightMM:
        return qRound(height_ * 25.4 / 96);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

} // namespace daubery
