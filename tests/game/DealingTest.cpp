// Dealing: every column draws from its own fifteen numbers without repeats.

#include "game/Dealing.h"
#include "PlainRules.h"
#include "Rounds.h"

#include <gtest/gtest.h>

#include <set>

using namespace daubery;

namespace {

void expectProperCard(const Card& card) {
    for (int column = 1; column <= 5; ++column) {
        std::set<int> seen;
        for (int cell = 1; cell <= 24; ++cell) {
            if (plain::squareOf(cell).column != column) continue;
            EXPECT_GE(card[cell], 15 * column - 14) << "cell " << cell;
            EXPECT_LE(card[cell], 15 * column) << "cell " << cell;
            EXPECT_TRUE(seen.insert(card[cell]).second)
                << "repeated " << card[cell] << " in column " << column;
        }
    }
}

} // namespace

TEST(Dealing, PlayerCardsHoldDistinctNumbersOfTheirColumns) {
    // Over many deals every cell also meets every number of its column: no range is cut short.
    std::array<std::set<int>, 25> seen;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        GameState state;
        Random random = rounds::seededRandom(seed);
        dealPlayerCards(state, random);
        expectProperCard(state.Card1Numbers);
        expectProperCard(state.Card2Numbers);
        EXPECT_EQ(state.Card1Numbers[25], 0);
        for (int cell = 1; cell <= 24; ++cell) seen[std::size_t(cell)].insert(state.Card2Numbers[cell]);
    }
    for (int cell = 1; cell <= 24; ++cell) EXPECT_EQ(seen[std::size_t(cell)].size(), 15u) << "cell " << cell;
}

TEST(Dealing, ComputerCardsOnlyForThePlayersInTheGame) {
    std::array<std::set<int>, 25> seen;
    for (int players = 1; players <= 6; ++players) {
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            GameState state;
            state.PcPlayerCount = std::int16_t(players);
            for (int p = players + 1; p <= 7; ++p) state.PcCardNumbers[p].fill(-1);
            Random random = rounds::seededRandom(seed * 7 + std::uint64_t(players));
            DealPcCards(state, random);
            for (int p = 1; p <= players; ++p) {
                expectProperCard(state.PcCardNumbers[p]);
                for (int cell = 1; cell <= 24; ++cell)
                    seen[std::size_t(cell)].insert(state.PcCardNumbers[p][cell]);
            }
            for (int p = players + 1; p <= 7; ++p) EXPECT_EQ(state.PcCardNumbers[p][1], -1) << "player " << p;
            EXPECT_EQ(state.Card1Numbers[1], 0);
        }
    }
    for (int cell = 1; cell <= 24; ++cell) EXPECT_EQ(seen[std::size_t(cell)].size(), 15u) << "cell " << cell;
}

TEST(Dealing, ComputerCardsDifferFromOneAnotherUnderAFrozenClock) {
    // Reseeding before every cell from a clock that never moves must not replay the same draws.
    GameState state;
    state.PcPlayerCount = 6;
    Random random = rounds::seededRandom(5);
    DealPcCards(state, random);
    for (int p = 2; p <= 6; ++p) {
        int same = 0;
        for (int cell = 1; cell <= 24; ++cell)
            same += state.PcCardNumbers[p][cell] == state.PcCardNumbers[1][cell];
        EXPECT_LT(same, 24) << "player " << p << " got player 1's card";
    }
}
