// The pattern catalogue against the card's geometry.

#include "game/Patterns.h"
#include "PlainRules.h"

#include <gtest/gtest.h>

using namespace daubery;

namespace {

std::vector<int> cellsOf(const plain::Pattern& pattern) {
    std::vector<int> cells;
    for (plain::Square s : pattern) cells.push_back(plain::cellOf(s));
    return cells;
}

} // namespace

TEST(Catalogue, CellsNumbersAndLettersFollowTheCard) {
    for (int cell = 1; cell <= CellCount; ++cell) {
        EXPECT_EQ(columnOfCell(cell), plain::squareOf(cell).column) << "cell " << cell;
        EXPECT_EQ(rowOfCell(cell), plain::squareOf(cell).row) << "cell " << cell;
    }
    for (int number = 1; number <= 75; ++number) {
        const int column = columnOfNumber(number);
        EXPECT_TRUE(number >= 15 * column - 14 && number <= 15 * column) << number;
    }
    std::string letters;
    for (int column = 1; column <= 5; ++column) letters += columnLetter(column);
    EXPECT_EQ(letters, "BINGO");
}

// Every type's sets in trial order, and the kite's diagonals with the stamps at their ends.
TEST(Catalogue, EverySetIsAPlainPatternInTrialOrder) {
    for (int type : {1, 2, 3, 4, 5, 6, 8, 9, 10}) {
        const auto& sets = gameType(type).sets;
        const auto expected = plain::alternatives(type);
        ASSERT_EQ(sets.size(), expected.size()) << gameType(type).name;
        for (std::size_t k = 0; k < sets.size(); ++k)
            EXPECT_EQ(sets[k]->squares, cellsOf(expected[k])) << gameType(type).name << " set " << k;
    }
    const auto expected = plain::kiteArms();
    ASSERT_EQ(kiteArms().size(), expected.size());
    for (std::size_t arm = 0; arm < expected.size(); ++arm) {
        EXPECT_EQ(kiteArms()[arm].diagonal->squares, cellsOf(expected[arm].diagonal));
        for (std::size_t k = 0; k < 2; ++k)
            EXPECT_EQ(kiteArms()[arm].stamps[k]->squares, cellsOf(expected[arm].stamps[k]));
    }
}
