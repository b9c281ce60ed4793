// The pattern catalogue against the card's geometry.

#include "game/Patterns.h"
#include "PlainRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace daubery;

TEST(Catalogue, CellNumberingFollowsTheCard) {
    for (int cell = 1; cell <= CellCount; ++cell) {
        const plain::Square s = plain::squareOf(cell);
        EXPECT_EQ(columnOfCell(cell), s.column) << "cell " << cell;
        EXPECT_EQ(rowOfCell(cell), s.row) << "cell " << cell;
    }
    for (int number = 1; number <= 75; ++number) {
        const int column = columnOfNumber(number);
        EXPECT_TRUE(number >= 15 * column - 14 && number <= 15 * column) << number;
    }
    std::string letters;
    for (int column = 1; column <= 5; ++column) letters += columnLetter(column);
    EXPECT_EQ(letters, "BINGO");
}

TEST(Catalogue, EverySetIsAPlainPatternInTrialOrder) {
    for (int type : {1, 2, 3, 4, 5, 6, 8, 9, 10}) {
        const auto& sets = gameType(type).sets;
        const auto expected = plain::alternatives(type);
        ASSERT_EQ(sets.size(), expected.size()) << gameType(type).name;
        for (std::size_t k = 0; k < sets.size(); ++k) {
            std::vector<int> squares;
            for (plain::Square s : expected[k]) squares.push_back(plain::cellOf(s));
            EXPECT_EQ(sets[k]->squares, squares) << gameType(type).name << " set " << k;
        }
    }
}

TEST(Catalogue, KiteArmsAreTheDiagonalsWithTheStampsAtTheirEnds) {
    const auto cells = [](const plain::Pattern& p) {
        std::vector<int> out;
        for (plain::Square s : p) out.push_back(plain::cellOf(s));
        return out;
    };
    const auto expected = plain::kiteArms();
    ASSERT_EQ(kiteArms().size(), expected.size());
    for (std::size_t arm = 0; arm < expected.size(); ++arm) {
        EXPECT_EQ(kiteArms()[arm].diagonal->squares, cells(expected[arm].diagonal));
        for (std::size_t k = 0; k < 2; ++k)
            EXPECT_EQ(kiteArms()[arm].stamps[k]->squares, cells(expected[arm].stamps[k]));
    }
}

TEST(Catalogue, NamesAndNumbers) {
    EXPECT_EQ(gameTypeNumber("Kite Bingo"), 7);
    EXPECT_EQ(gameTypeNumber("Any Bingo"), 11);
    EXPECT_EQ(gameTypeNumber("Kite"), 0);
    EXPECT_EQ(drawnGameType(0.0, 10), 1);
    EXPECT_EQ(drawnGameType(0.99999, 10), 10);
    EXPECT_EQ(drawnGameType(0.99999, 9), 9);
}
