// The two small sample cards, the options dialog's and the message board's, as the player sees
// them: every circle in its square, every line through its squares, the heading letters over
// their columns and the whole card inside its picture.
#include "OnScreen.h"

#include "platform/Form.h"
#include "ui/Bingomsg.h"

#include <QLabel>

#include <cmath>
#include <vector>

using namespace daubery;
using daubery::testing::luminance;

namespace {

// Positions in the options dialog's Game Type list.
constexpr int RegularBingo = 0, CoverAll = 2, KiteBingo = 6;

bool isRed(const QColor& c) {
    return c.red() > 170 && c.green() < 90 && c.blue() < 90;
}
bool isYellow(const QColor& c) {
    return c.red() > 200 && c.green() > 150 && c.blue() < 100;
}
bool isBlue(const QColor& c) {
    return c.blue() > 150 && c.red() < 80 && c.green() < 80;
}

// The cells of a card, by column and row 1..5, and the box that stands for each.
struct Cell {
    int column, row;
};
int boxOf(Cell cell) {
    // Numbered column by column, top row first, the free space left out.
    int k = (cell.column - 1) * 5 + (cell.row - 1);
    if (cell.column > 3 || (cell.column == 3 && cell.row > 3)) --k;
    return k;
}

class SampleCards : public daubery::testing::OnScreen {
protected:
    // The card of one window: the picture, the 24 boxes, the circles and the lines.
    struct Card {
        std::string_view window;
        std::string heading;
        bool (*diagonal)(const QColor&);
    };
    static Card optionsCard() { return {BngOptions::Name, "Label5", isBlue}; }
    static Card boardCard() { return {Bingomsg::Name, "Label1", isBlue}; }

    QRect box(const Card& card, int k) {
        return placeOf(card.window, widget(card.window, element("lblExample", k)));
    }
    QRect box(const Card& card, Cell cell) { return box(card, boxOf(cell)); }
    QRect picture(const Card& card) { return placeOf(card.window, widget(card.window, "Image1")); }
    Form& form(const Card& card) { return *game->windows.loaded(card.window); }

    // Circles: each inside its box and in its middle; painted there, and nowhere near the box's
    // corners. The pattern shown is Cover All, so every circle is up.
    void checkCircles(const Card& card) {
        const QImage shown = shot(card.window);
        for (int k = 0; k < 24; ++k) {
            SCOPED_TRACE(k);
            QWidget* circle = widget(card.window, element("shpExample", k));
            ASSERT_TRUE(circle->isVisible());
            const QRect square = box(card, k), dot = placeOf(card.window, circle);
            EXPECT_TRUE(square.contains(dot)) << "circle outside its box";
            EXPECT_LE(std::abs(QRectF(dot).center().x() - QRectF(square).center().x()), 1.0);
            EXPECT_LE(std::abs(QRectF(dot).center().y() - QRectF(square).center().y()), 1.0);
            EXPECT_TRUE(isRed(shown.pixelColor(square.center())));
            for (QPoint corner : {square.topLeft() + QPoint(2, 2), square.bottomRight() - QPoint(2, 2)})
                EXPECT_FALSE(isRed(shown.pixelColor(corner)));
            EXPECT_TRUE(picture(card).contains(square)) << "the box runs past the card's picture";
            // The picture's grid is the boxes: a rule along each box's left and right edges,
            // clear paper just inside them.
            const QPoint inside = square.topLeft() + QPoint(3, 3);
            for (int x : {square.left(), square.right()}) {
                EXPECT_LT(luminance(shown.pixelColor(x, square.center().y())),
                          luminance(shown.pixelColor(inside)) - 30)
                    << "no rule at x " << x;
            }
        }
        EXPECT_LE(picture(card).bottom(), window(card.window)->centralWidget()->height() - 1);
    }

    // Lines: shown one at a time, each passes through the middle of every box in its row or
    // column and through every box on its diagonal, and misses the boxes beside it.
    void checkLines(const Card& card) {
        auto only = [&](int line) {
            for (int k = 0; k < 12; ++k) form(card).control("lneExample", k).setVisible(k == line);
        };
        // Whether a pixel of the colour lies within `reach` pixels of the point.
        auto near = [](const QImage& image, QPoint at, int reach, bool (*test)(const QColor&)) {
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (test(image.pixelColor(at + QPoint(dx, dy)))) return true;
            return false;
        };
        // Lines 0..4 are the rows in red, 5..9 the columns B..O in yellow.
        for (int line = 0; line < 10; ++line) {
            SCOPED_TRACE("line " + std::to_string(line));
            only(line);
            const QImage shown = shot(card.window);
            const bool row = line < 5;
            const int n = line % 5 + 1, beside = n == 5 ? 4 : n + 1;
            auto colour = row ? isRed : isYellow;
            for (int along = 1; along <= 5; ++along) {
                const Cell on = row ? Cell{along, n} : Cell{n, along};
                const Cell off = row ? Cell{along, beside} : Cell{beside, along};
                if (!(on.column == 3 && on.row == 3)) {
                    EXPECT_TRUE(near(shown, box(card, on).center(), 1, colour)) << along;
                }
                if (!(off.column == 3 && off.row == 3)) {
                    EXPECT_FALSE(near(shown, box(card, off).center(), 2, colour)) << along;
                }
            }
        }
        const std::vector<Cell> down{{1, 1}, {2, 2}, {4, 4}, {5, 5}}, up{{1, 5}, {2, 4}, {4, 2}, {5, 1}};
        for (int line : {10, 11}) {
            SCOPED_TRACE("diagonal " + std::to_string(line));
            only(line);
            const QImage shown = shot(card.window);
            for (Cell cell : line == 10 ? down : up) {
                const QRect square = box(card, cell);
                EXPECT_TRUE(near(shown, square.center(), square.width() / 2 - 3, card.diagonal))
                    << cell.column << "," << cell.row;
            }
            // The corner boxes are its ends: it runs through their middles.
            for (Cell cell : {(line == 10 ? down : up).front(), (line == 10 ? down : up).back()})
                EXPECT_TRUE(near(shown, box(card, cell).center(), 1, card.diagonal));
            EXPECT_FALSE(
                near(shown, box(card, line == 10 ? Cell{1, 5} : Cell{1, 1}).center(), 3, card.diagonal));
        }
    }

    // The heading's letters, told apart from the picture beneath by showing the heading and
    // hiding it: each letter's middle stands over its column's boxes, within a pixel and a half.
    void checkHeading(const Card& card) {
        Control& heading = form(card).control(card.heading);
        const QImage with = shot(card.window);
        heading.setVisible(false);
        const QImage without = shot(card.window);
        heading.setVisible(true);
        const QRect band = placeOf(card.window, widget(card.window, card.heading));
        std::vector<double> sum(5, 0), count(5, 0);
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x) {
                if (with.pixel(x, y) == without.pixel(x, y)) continue;
                // The ink belongs to the column whose boxes are nearest.
                int nearest = 0;
                for (int column = 1; column < 5; ++column)
                    if (std::abs(box(card, {column + 1, 1}).center().x() - x) <
                        std::abs(box(card, {nearest + 1, 1}).center().x() - x))
                        nearest = column;
                const QRect square = box(card, {nearest + 1, 1});
                EXPECT_GE(x, square.left()) << "ink outside column " << nearest + 1;
                EXPECT_LE(x, square.right()) << "ink outside column " << nearest + 1;
                sum[std::size_t(nearest)] += x;
                count[std::size_t(nearest)] += 1;
            }
        for (int column = 1; column <= 5; ++column) {
            SCOPED_TRACE(column);
            ASSERT_GT(count[std::size_t(column - 1)], 4) << "no letter over the column";
            const double middle = QRectF(box(card, {column, 1})).center().x() - 0.5;
            EXPECT_NEAR(sum[std::size_t(column - 1)] / count[std::size_t(column - 1)], middle, 1.5);
        }
    }
};

TEST_F(SampleCards, OptionsCardHasItsCirclesInTheMiddleOfItsBoxes) {
    withOptions(CoverAll, [this] { checkCircles(optionsCard()); });
}

TEST_F(SampleCards, BoardCardHasItsCirclesInTheMiddleOfItsBoxes) {
    startRound(CoverAll);
    checkCircles(boardCard());
}

TEST_F(SampleCards, OptionsCardRunsItsLinesThroughItsBoxes) {
    withOptions(RegularBingo, [this] { checkLines(optionsCard()); });
}

TEST_F(SampleCards, BoardCardRunsItsLinesThroughItsBoxes) {
    startRound(RegularBingo);
    checkLines(boardCard());
}

TEST_F(SampleCards, HeadingLettersStandOverTheirColumnsOnBothCards) {
    withOptions(KiteBingo, [this] { checkHeading(optionsCard()); });
    startRound(KiteBingo);
    checkHeading(boardCard());
}

} // namespace
