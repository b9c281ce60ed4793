// The two small sample cards, the options dialog's and the message board's, as the player sees
// them: each box over its square of the card picture, and the heading letters over their columns.
// Where the circles and lines lie is measured in the game's own units (tests/play/LayoutTest.cpp);
// how they look, by the approved pictures of the windows.
#include "OnScreen.h"

#include "assets/Pictures.h"
#include "platform/Form.h"
#include "ui/Bingomsg.h"

#include <cmath>
#include <vector>

using namespace daubery;

namespace {

// Positions in the options dialog's Game Type list.
constexpr int KiteBingo = 6;

// The box that stands for the cell in column and row 1..5: numbered column by column, top row
// first, the free space left out.
int boxOf(int column, int row) {
    int k = (column - 1) * 5 + (row - 1);
    if (column > 3 || (column == 3 && row > 3)) --k;
    return k;
}

class SampleCards : public daubery::testing::OnScreen {
protected:
    struct Card {
        std::string_view window;
        std::string heading;
    };
    QRect box(const Card& card, int column, int row) {
        return placeOf(card.window, widget(card.window, element("lblExample", boxOf(column, row))));
    }
    Form& form(const Card& card) { return *game->windows.loaded(card.window); }

    // Each box covers its square of the card picture, within a pixel, the picture itself wholly in
    // the window.
    void checkBoxes(const Card& card) {
        const QRect picture = placeOf(card.window, widget(card.window, "Image1"));
        EXPECT_TRUE(window(card.window)->centralWidget()->rect().contains(picture));
        for (int column = 1; column <= 5; ++column)
            for (int row = 1; row <= 5; ++row) {
                if (column == 3 && row == 3) continue;
                const QRectF square =
                    pictures::squareRect("example-card", column, row).translated(picture.topLeft());
                const QRect shown = box(card, column, row);
                SCOPED_TRACE(std::to_string(column) + "," + std::to_string(row));
                EXPECT_LE(std::abs(shown.left() - square.left()), 1);
                EXPECT_LE(std::abs(shown.top() - square.top()), 1);
                EXPECT_LE(std::abs(shown.width() - square.width()), 1);
                EXPECT_LE(std::abs(shown.height() - square.height()), 1);
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
                    if (std::abs(box(card, column + 1, 1).center().x() - x) <
                        std::abs(box(card, nearest + 1, 1).center().x() - x))
                        nearest = column;
                const QRect square = box(card, nearest + 1, 1);
                EXPECT_GE(x, square.left()) << "ink outside column " << nearest + 1;
                EXPECT_LE(x, square.right()) << "ink outside column " << nearest + 1;
                sum[std::size_t(nearest)] += x;
                count[std::size_t(nearest)] += 1;
            }
        for (int column = 1; column <= 5; ++column) {
            SCOPED_TRACE(column);
            ASSERT_GT(count[std::size_t(column - 1)], 4) << "no letter over the column";
            const double middle = QRectF(box(card, column, 1)).center().x() - 0.5;
            EXPECT_NEAR(sum[std::size_t(column - 1)] / count[std::size_t(column - 1)], middle, 1.5);
        }
    }
};

TEST_F(SampleCards, BoxesAndHeadingLettersStandOverTheCardPicturesSquares) {
    const Card options{BngOptions::Name, "Label5"}, board{Bingomsg::Name, "Label1"};
    withOptions(KiteBingo, [&] {
        checkBoxes(options);
        checkHeading(options);
    });
    startRound(KiteBingo);
    checkBoxes(board);
    checkHeading(board);
}

} // namespace
