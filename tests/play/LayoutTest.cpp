// Where things lie when their place carries meaning: the message board's numbers in five rows of
// fifteen beside their letters, the example cards' even grids with their circles and lines, the
// daubs in the middle of their squares and the called ball at rest in its chute.

#include "Dialogs.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using play::DialogTable;

struct Box {
    long long left, top, right, bottom;
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
    bool holds(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
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

TEST(Layout, TheBoardHoldsFiveRowsOfFifteenUnderTheirLetters) {
    DialogTable t;
    t.play();
    for (int n = 1; n <= 75; ++n) {
        SCOPED_TRACE("number " + std::to_string(n));
        const std::string label = element("Bingomsg.lblselctedNums", n);
        EXPECT_EQ(t.text(label + ".caption"), std::to_string(n));
        const Box number = boxOf(t, label), letter = boxOf(t, element("Bingomsg.Label3", (n - 1) / 15));
        EXPECT_TRUE(letter.holds(letter.centreX(), number.centreY())) << "beside its column's letter";
        EXPECT_GE(number.left, letter.right);
        if ((n - 1) % 15 > 0) {
            const Box before = boxOf(t, element("Bingomsg.lblselctedNums", n - 1));
            EXPECT_EQ(number.top, before.top);
            EXPECT_GE(number.left, before.right);
        }
    }
}

// A sample card's boxes, by column and row 0..4 (B..O, top to bottom); the free space has none.
int boxIndex(int column, int row) {
    return column * 5 + row - (column > 2 || (column == 2 && row > 2) ? 1 : 0);
}

// On the options dialog and on the message board: the boxes in an even grid of 270 twips, which
// sits in its card picture 75 twips from either side and 60 from the bottom; each circle in the
// middle of its box; rows red, columns yellow and the diagonals joining the middles of the boxes
// at their ends.
TEST(Layout, ExampleCardsHaveAnEvenGridInsideTheirPicture) {
    DialogTable t;
    auto expectCard = [&t](const std::string& window, long long diagonalColour) {
        SCOPED_TRACE(window);
        const Box picture = boxOf(t, window + ".Image1");
        auto box = [&](int column, int row) {
            return boxOf(t, element(window + ".lblExample", boxIndex(column, row)));
        };
        for (int column = 0; column < 5; ++column)
            for (int row = 0; row < 5; ++row) {
                if (column == 2 && row == 2) continue;
                const Box b = box(column, row);
                EXPECT_EQ(b.left - picture.left, 75 + 270 * column) << column << "," << row;
                EXPECT_EQ(picture.bottom - b.top, 60 + 270 * (5 - row)) << column << "," << row;
                EXPECT_EQ(b.right - b.left, 270);
                EXPECT_EQ(b.bottom - b.top, 270);
                const Box circle = boxOf(t, element(window + ".shpExample", boxIndex(column, row)));
                EXPECT_EQ(circle.centreX(), b.centreX());
                EXPECT_EQ(circle.centreY(), b.centreY());
            }
        EXPECT_EQ(picture.right - box(4, 0).right, 75);
        auto expectLine = [&](int line, const Box& from, const Box& to, long long colour) {
            const std::string l = element(window + ".lneExample", line);
            const Box ends{t.number(l + ".left"), t.number(l + ".top"), t.number(l + ".x2"),
                           t.number(l + ".y2")};
            EXPECT_EQ(std::min(ends.left, ends.right), from.centreX()) << "line " << line;
            EXPECT_EQ(std::max(ends.left, ends.right), to.centreX()) << "line " << line;
            EXPECT_EQ(std::set<long long>({ends.top, ends.bottom}),
                      std::set<long long>({std::llround(from.centreY()), std::llround(to.centreY())}))
                << "line " << line;
            EXPECT_EQ(t.number(l + ".forecolor"), colour) << "line " << line;
        };
        for (int k = 0; k < 5; ++k) {
            expectLine(k, box(0, k), box(4, k), 255);
            expectLine(5 + k, box(k, 0), box(k, 4), 65535);
        }
        expectLine(10, box(0, 0), box(4, 4), diagonalColour);
        expectLine(11, box(0, 4), box(4, 0), diagonalColour);
    };
    t.whileOpen([&] { expectCard("BngOptions", 0xFF0000); });
    t.ok("click Form1.bngPlay");
    t.play();
    expectCard("Bingomsg", 0xC00000);
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
