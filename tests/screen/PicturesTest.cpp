// The painted pictures: sizes, sharpness at any pixel ratio, see-through daubs, the turning ball,
// and the help and example cards' marks.
#include "assets/Pictures.h"
#include "../play/Samples.h"
#include "assets/Style.h"
#include "game/Patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace pictures = daubery::pictures;
using daubery::ExampleMarks;
namespace line = daubery::example_line;

namespace {

std::map<std::string, QSize> expectedSizes() {
    std::map<std::string, QSize> all{{"background", {750, 375}},
                                     {"card", {250, 300}},
                                     {"example-card", {100, 114}},
                                     {"help-options", {258, 240}},
                                     {"help-four-corners", {80, 91}}};
    for (int frame = 0; frame < 13; ++frame) {
        all["ball-" + std::to_string(frame)] = {55, 54};
        for (const char* column : {"B", "I", "N", "G", "O"})
            all[std::string("ball-") + column + "-" + std::to_string(frame)] = {55, 54};
    }
    for (const char* colour : {"blue", "red", "green", "yellow", "purple"})
        all[std::string("dot-") + colour] = {30, 30};
    for (int page = 0; page < 12; ++page) all["help-page-" + std::to_string(page)] = {125, 150};
    return all;
}

// The colour of the device pixel under a point given in the picture's own coordinates.
QColor at(const QImage& image, QPointF point) {
    const double dpr = image.devicePixelRatio();
    return image.pixelColor(int(point.x() * dpr), int(point.y() * dpr));
}

const auto isRed = [](const QColor& c) { return c.red() > 170 && c.green() < 90 && c.blue() < 90; };
const auto isYellow = [](const QColor& c) { return c.red() > 170 && c.green() > 130 && c.blue() < 100; };
const auto isBlue = [](const QColor& c) { return c.blue() > 130 && c.red() < 90 && c.green() < 90; };

// Whether any device pixel within half a picture pixel of the point passes the test.
template <typename Test> bool near(const QImage& image, QPointF point, Test test) {
    for (double dx : {-0.5, 0.0, 0.5})
        for (double dy : {-0.5, 0.0, 0.5})
            if (test(at(image, point + QPointF(dx, dy)))) return true;
    return false;
}

// A dot is looked for below and right of a square's middle, a line where it crosses a ruling.
ExampleMarks readMarks(const std::string& name, const QImage& image) {
    ExampleMarks seen;
    auto square = [&](int column, int row) { return pictures::squareRect(name, column, row); };
    for (int cell = 1; cell <= daubery::CellCount; ++cell) {
        const QRectF s = square(daubery::columnOfCell(cell), daubery::rowOfCell(cell));
        const QPointF probe = s.center() + QPointF(0.92, 0.38) * (0.24 * s.width());
        if (isRed(at(image, probe))) seen.dots.set(std::size_t(cell - 1));
    }
    for (int k = 0; k < 5; ++k) {
        const QPointF rowProbe(square(2, k + 1).left(), square(1, k + 1).center().y());
        if (near(image, rowProbe, isRed)) seen.lines.set(std::size_t(line::Row1 + k));
        const QPointF columnProbe(square(k + 1, 1).center().x(), square(k + 1, 2).top());
        if (near(image, columnProbe, isYellow)) seen.lines.set(std::size_t(line::ColumnB + k));
    }
    if (near(image, square(2, 2).topLeft(), isBlue)) seen.lines.set(line::MainDiagonal);
    if (near(image, square(2, 4).bottomLeft(), isBlue)) seen.lines.set(line::AntiDiagonal);
    return seen;
}

const auto luminance = [](const QColor& c) {
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
};

} // namespace

TEST(Pictures, EveryPictureExistsAtItsSizeAndAtTwiceThePixelsOnADoubledScreen) {
    auto seeThrough = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y).alpha() != 255;
        return count;
    };
    std::vector<std::string> listed(pictures::names().begin(), pictures::names().end()), expected;
    std::sort(listed.begin(), listed.end());
    for (const auto& [name, size] : expectedSizes()) expected.push_back(name);
    EXPECT_EQ(listed, expected);
    for (const auto& [name, size] : expectedSizes()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(pictures::size(name), size);
        for (const double dpr : {1.0, 2.0}) {
            const QImage image = dpr == 1.0 ? pictures::image(name) : pictures::image(name, dpr);
            EXPECT_EQ(image.size(), size * dpr);
            EXPECT_EQ(std::pair(image.devicePixelRatio(), image.deviceIndependentSize()),
                      std::pair(dpr, QSizeF(size)));
            const bool opaque = name == "background" || name == "card" || name == "help-options";
            EXPECT_EQ(opaque ? seeThrough(image) : 0, 0);
        }
    }
    EXPECT_EQ(pictures::size("ball-13"), QSize());
    EXPECT_TRUE(pictures::image("ball-13").isNull() && pictures::image("card", 0).isNull());
    EXPECT_TRUE(pictures::squareRect("background", 1, 1).isEmpty() &&
                pictures::squareRect("card", 6, 1).isEmpty());
}

TEST(Pictures, CardRulingIsSharpAtAnyPixelRatio) {
    // Across the ruling between the B and I columns (x 56..57): the rule's colour or clearly the paper.
    const QColor rule = pictures::style::gridLine;
    for (double dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(dpr);
        const QImage card = pictures::image("card", dpr);
        const int y = int(120 * dpr);
        int ruled = 0;
        for (int x = int(50 * dpr); x < int(62 * dpr); ++x) {
            const QColor c = card.pixelColor(x, y);
            if (c == rule)
                ++ruled;
            else
                EXPECT_GT(luminance(c), luminance(rule) + 20) << "at x " << x;
        }
        EXPECT_EQ(ruled, std::max(1, int(std::lround(dpr))));
    }
    EXPECT_EQ(pictures::squareRect("card", 2, 1), QRectF(56, 56, 48, 48));
    EXPECT_EQ(pictures::squareRect("card", 3, 3), QRectF(104, 152, 48, 48));
}

TEST(Pictures, DotsAreSeeThroughDaubsOfTheirColour) {
    const std::map<std::string, std::function<bool(const QColor&)>> hue{
        {"dot-blue", [](const QColor& c) { return c.blue() > c.red() + 60 && c.blue() > c.green() + 40; }},
        {"dot-red", [](const QColor& c) { return c.red() > c.green() + 80 && c.red() > c.blue() + 80; }},
        {"dot-green", [](const QColor& c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 40; }},
        {"dot-yellow", [](const QColor& c) { return c.red() > c.blue() + 80 && c.green() > c.blue() + 80; }},
        {"dot-purple", [](const QColor& c) { return c.red() > c.green() + 40 && c.blue() > c.green() + 60; }},
    };
    for (const auto& [name, ofItsColour] : hue) {
        SCOPED_TRACE(name);
        for (double dpr : {1.0, 2.0}) {
            const QImage dot = pictures::image(name, dpr);
            const int last = dot.width() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                EXPECT_EQ(dot.pixelColor(corner).alpha(), 0);
            // The middle lets a dark number show through: clearly coloured, far from opaque.
            const QColor middle = at(dot, QPointF(15, 15));
            EXPECT_GT(middle.alpha(), 60);
            EXPECT_LT(middle.alpha(), 170);
            EXPECT_TRUE(ofItsColour(middle)) << middle.name().toStdString();
            EXPECT_GT(at(dot, QPointF(15, 3)).alpha(), middle.alpha()) << "the rim is denser than the middle";
        }
    }
}

TEST(Pictures, BallTurnsThroughThirteenDifferentFramesAndRestsWithALightFace) {
    std::vector<QImage> frames;
    for (int frame = 0; frame < 13; ++frame)
        frames.push_back(pictures::image("ball-" + std::to_string(frame)));
    for (int frame = 0; frame < 13; ++frame) {
        SCOPED_TRACE(frame);
        const QImage& a = frames[std::size_t(frame)];
        EXPECT_EQ(std::tuple(a.pixelColor(0, 0).alpha(), a.pixelColor(54, 53).alpha(),
                             a.pixelColor(27, 27).alpha()),
                  std::tuple(0, 0, 255));
        const QImage& b = frames[std::size_t((frame + 1) % 13)];
        int changed = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) changed += a.pixelColor(x, y) != b.pixelColor(x, y);
        EXPECT_GT(changed, 200) << "the next frame shows the ball turned on";
    }
    // At rest the game writes the called number in dark bold at x 24..57, y 11..28 of frame 0.
    int light = 0, all = 0;
    for (int y = 14; y <= 25; ++y)
        for (int x = 28; x <= 50; ++x, ++all) light += luminance(frames[0].pixelColor(x, y)) > 170;
    EXPECT_GT(light, all * 9 / 10);
}

TEST(Pictures, HelpPagesMarkTheirGamesPattern) {
    auto expectMarks = [](const std::string& name, const play::Sample& sample) {
        SCOPED_TRACE(name);
        ExampleMarks expected;
        for (int circle : sample.circles) expected.dots.set(std::size_t(circle));
        for (int line : sample.lines) expected.lines.set(std::size_t(line));
        for (double dpr : {1.0, 2.0}) {
            const ExampleMarks seen = readMarks(name, pictures::image(name, dpr));
            EXPECT_EQ(seen, expected) << "seen " << seen.dots << " " << seen.lines;
        }
    };
    // The kite's page shows one of its four ways to win.
    for (int page = 0; page < 12; ++page)
        if (page != 6) expectMarks("help-page-" + std::to_string(page), play::Samples[page]);
    expectMarks("help-page-6", {{0, 1, 5, 6}, {10}});
    expectMarks("help-four-corners", play::Samples[1]);
}
