// Where things lie when their place carries meaning: the message board's numbers in five rows of
// fifteen beside their letters, the sample cards' boxes with their circles and the lines through
// their rows, columns and diagonals, and the card squares with their dots in the card's columns.

#include "Dialogs.h"

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

// A drawn line: whether it crosses a box anywhere along its length.
struct Line {
    double x1, y1, x2, y2;
    bool crosses(const Box& box) const {
        for (int step = 0; step <= 400; ++step) {
            const double f = step / 400.0;
            if (box.holds(x1 + f * (x2 - x1), y1 + f * (y2 - y1))) return true;
        }
        return false;
    }
};

Line lineOf(DialogTable& t, const std::string& control) {
    return {double(t.number(control + ".left")), double(t.number(control + ".top")),
            double(t.number(control + ".x2")), double(t.number(control + ".y2"))};
}

std::string element(const std::string& array, int k) {
    return array + "[" + std::to_string(k) + "]";
}

// The card's squares by column 0..4 (B..O) and row 0..4, the free space (2, 2) left out, in the
// order the card numbers them: down each column, B first.
struct Square {
    int column, row;
};
std::vector<Square> cardSquares() {
    std::vector<Square> squares;
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 5; ++row)
            if (column != 2 || row != 2) squares.push_back({column, row});
    return squares;
}

// Box k lines up with the others of its column and of its row, right of the columns and below the
// rows before its own.
void expectInItsColumnAndRow(const std::vector<Box>& boxes, int k) {
    const auto squares = cardSquares();
    const Square s = squares[std::size_t(k)];
    for (int j = 0; j < 24; ++j) {
        const Square o = squares[std::size_t(j)];
        const Box &other = boxes[std::size_t(j)], &box = boxes[std::size_t(k)];
        EXPECT_EQ(other.left == box.left, o.column == s.column) << "square " << j;
        EXPECT_EQ(other.top == box.top, o.row == s.row) << "square " << j;
        EXPECT_EQ(other.left < box.left, o.column < s.column) << "square " << j;
        EXPECT_EQ(other.top < box.top, o.row < s.row) << "square " << j;
    }
}

TEST(Layout, TheBoardHoldsFiveRowsOfFifteenUnderTheirLetters) {
    DialogTable t;
    t.play();
    std::vector<Box> headers;
    for (int k = 0; k < 5; ++k) headers.push_back(boxOf(t, element("Bingomsg.Label3", k)));
    for (int n = 1; n <= 75; ++n) {
        SCOPED_TRACE("number " + std::to_string(n));
        const std::string label = element("Bingomsg.lblselctedNums", n);
        EXPECT_EQ(t.text(label + ".caption"), std::to_string(n));
        const Box number = boxOf(t, label);
        // Beside the letter of its column, nearer to it than to any other letter.
        int nearest = 0;
        for (int k = 1; k < 5; ++k)
            if (std::abs(headers[std::size_t(k)].centreY() - number.centreY()) <
                std::abs(headers[std::size_t(nearest)].centreY() - number.centreY()))
                nearest = k;
        EXPECT_EQ(nearest, (n - 1) / 15);
        EXPECT_TRUE(
            headers[std::size_t(nearest)].holds(headers[std::size_t(nearest)].centreX(), number.centreY()));
        EXPECT_GE(number.left, headers[std::size_t(nearest)].right);
        // In its row, after the number before it.
        if ((n - 1) % 15 > 0) {
            const Box before = boxOf(t, element("Bingomsg.lblselctedNums", n - 1));
            EXPECT_EQ(number.top, before.top);
            EXPECT_GE(number.left, before.right);
        }
    }
}

// One sample card: the boxes in five columns and five rows round an empty centre, each circle in
// its box, each row line through its row's boxes only, each column line through its column's,
// and the diagonals through the corner-to-corner boxes.
void expectSampleCard(DialogTable& t, const std::string& window, int diagonalColour) {
    const auto squares = cardSquares();
    std::vector<Box> boxes;
    for (int k = 0; k < 24; ++k) boxes.push_back(boxOf(t, element(window + ".lblExample", k)));
    for (int k = 0; k < 24; ++k) {
        SCOPED_TRACE(window + " square " + std::to_string(k));
        const Box& box = boxes[std::size_t(k)];
        expectInItsColumnAndRow(boxes, k);
        EXPECT_TRUE(box.holds(boxOf(t, element(window + ".shpExample", k)))) << "the circle lies in its box";
    }
    auto expectThrough = [&](int line, auto inIt) {
        const Line l = lineOf(t, element(window + ".lneExample", line));
        for (int k = 0; k < 24; ++k)
            EXPECT_EQ(l.crosses(boxes[std::size_t(k)]), inIt(squares[std::size_t(k)]))
                << "line " << line << ", square " << k;
    };
    for (int r = 0; r < 5; ++r) {
        expectThrough(r, [r](Square s) { return s.row == r; });
        EXPECT_EQ(t.number(element(window + ".lneExample", r) + ".forecolor"), 255) << "rows are red";
    }
    for (int c = 0; c < 5; ++c) {
        expectThrough(5 + c, [c](Square s) { return s.column == c; });
        EXPECT_EQ(t.number(element(window + ".lneExample", 5 + c) + ".forecolor"), 65535) << "columns yellow";
    }
    // A diagonal may clip the boxes beside its own, but runs corner to corner: B1 to O5, B5 to O1.
    for (int d : {10, 11}) {
        const Line l = lineOf(t, element(window + ".lneExample", d));
        for (int k = 0; k < 24; ++k) {
            const Square s = squares[std::size_t(k)];
            const bool own = d == 10 ? s.row == s.column : s.row == 4 - s.column;
            const bool otherCorner = (s.column == 0 || s.column == 4) && (s.row == 0 || s.row == 4) && !own;
            if (own || otherCorner) {
                EXPECT_EQ(l.crosses(boxes[std::size_t(k)]), own) << "line " << d << ", square " << k;
            }
        }
    }
    for (int d : {10, 11})
        EXPECT_EQ(t.number(element(window + ".lneExample", d) + ".forecolor"), diagonalColour);
}

TEST(Layout, SampleCardsMarkTheSquaresTheirCirclesAndLinesStandFor) {
    DialogTable t;
    t.whileOpen([&] { expectSampleCard(t, "BngOptions", 0xFF0000); });
    t.ok("click Form1.bngPlay");
    t.play();
    expectSampleCard(t, "Bingomsg", 0xC00000);
}

// The player's squares in the card's columns and rows, the free space in the middle of the N
// column, and every dot over its own square.
TEST(Layout, CardSquaresStandInTheirColumnsWithTheirDotsOverThem) {
    DialogTable t;
    t.play({.boards = 1});
    const auto squares = cardSquares();
    for (int card = 0; card < 2; ++card) {
        std::vector<Box> boxes;
        for (int k = 0; k < 24; ++k) boxes.push_back(boxOf(t, element("Form1.Label1", 24 * card + k + 1)));
        const Box free = boxOf(t, element("Form1.Label1", 49 + card));
        for (int k = 0; k < 24; ++k) {
            SCOPED_TRACE("card " + std::to_string(card + 1) + ", square " + std::to_string(k + 1));
            const Square s = squares[std::size_t(k)];
            const Box& box = boxes[std::size_t(k)];
            expectInItsColumnAndRow(boxes, k);
            if (s.column == 2) {
                EXPECT_EQ(box.left, free.left);
            }
            if (s.row == 1) {
                EXPECT_LT(box.top, free.top);
            }
            if (s.row == 3) {
                EXPECT_GT(box.top, free.top);
            }
            const Box dot = boxOf(t, element("Form1.Image2", 24 * card + k + 1));
            EXPECT_TRUE(box.holds(dot.centreX(), dot.centreY())) << "the dot lies over its square";
        }
        const Box freeDot = boxOf(t, element("Form1.Image2", 49 + card));
        EXPECT_TRUE(free.holds(freeDot.centreX(), freeDot.centreY()));
    }
}

} // namespace
