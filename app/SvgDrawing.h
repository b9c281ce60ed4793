#pragma once
// A surface that a QPainter paints on like on an image, but that keeps what was painted as a
// vector drawing in SVG: paths with their fill and outline, plain and graded colours, clipping
// and opacity. It is how the pictures tool turns the game's icon painter into a scalable icon.

#include <QPaintDevice>
#include <QString>

#include <memory>

namespace daubery {

class SvgEngine;

class SvgDrawing : public QPaintDevice {
public:
    // A drawing of width × height units, one unit to a pixel where it is shown at its own size.
    SvgDrawing(int width, int height);
    ~SvgDrawing() override;
    SvgDrawing(const SvgDrawing&) = delete;
    SvgDrawing& operator=(const SvgDrawing&) = delete;

    QPaintEngine* paintEngine() const override;

    // The SVG document of everything painted so far.
    QString document() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int width_, height_;
    std::unique_ptr<SvgEngine> engine_;
};

} // namespace daubery
