// Where things lie when their place carries meaning: the daubs in the middle of their squares on
// either card and the called ball at rest in its chute. The message board's rows of numbers and the
// sample cards' grids, circles and lines, the approved pictures of those windows hold.

#include "Dialogs.h"

#include <cmath>
#include <string>

namespace {

using play::DialogTable;

struct Box {
    long long left, top, right, bottom;
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
    bool holds(const Box& in) const {
        return in.left >= left && in.right <= right && in.top >= top && in.bottom <= bottom;
    }
};

Box boxOf(DialogTable& t, const std::string& control) {
    auto at = [&](const char* p) { return t.number(control + "." + p); };
    return {at("left"), at("top"), at("left") + at("width"), at("top") + at("height")};
}

std::string element(const std::string& array, int k) {
    return array + "[" + std::to_string(k) + "]";
}

// A card's squares, by column and row 0..4 (B..O, top to bottom); the free space has none.
int boxIndex(int column, int row) {
    return column * 5 + row - (column > 2 || (column == 2 && row > 2) ? 1 : 0);
}

// On both cards each daub lies in the middle of its square, the free spaces' too, and the squares
// stand in columns and rows 720 twips apart, the same on both cards.
TEST(Layout, DaubsLieInTheMiddleOfTheirSquares) {
    DialogTable t;
    t.play({.boards = 1});
    for (int card = 0; card < 2; ++card)
        for (int column = 0; column < 5; ++column)
            for (int row = 0; row < 5; ++row) {
                const bool free = column == 2 && row == 2;
                const int index = free ? 49 + card : 24 * card + boxIndex(column, row) + 1;
                SCOPED_TRACE("Label1(" + std::to_string(index) + ")");
                const Box square = boxOf(t, element("Form1.Label1", index));
                const Box dot = boxOf(t, element("Form1.Image2", index));
                EXPECT_LE(std::abs(dot.centreX() - square.centreX()), 8);
                EXPECT_LE(std::abs(dot.centreY() - square.centreY()), 8);
                EXPECT_EQ(square.left, 120 + 720 * column);
                EXPECT_EQ(square.top, 840 + 720 * row);
            }
}

// The called ball comes to rest inside its chute, between the cards, above the Balance heading.
TEST(Layout, TheLandedBallRestsInItsChuteAboveTheBalance) {
    DialogTable t;
    t.play({.boards = 1});
    t.nextCall();
    t.ticks(57);
    ASSERT_TRUE(t.flag("Form1.lblball.visible")) << "landed";
    const Box ball = boxOf(t, "Form1.imgBallroll"), chute{3945, -120, 5055, 2385};
    EXPECT_TRUE(chute.holds(ball)) << ball.left << "," << ball.top << " to " << ball.right << ","
                                   << ball.bottom;
    EXPECT_LT(ball.bottom, boxOf(t, "Form1.lblbalnce2").top);
}

} // namespace
