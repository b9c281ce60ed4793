// Dealing: every column draws from its own fifteen numbers without repeats, and over many deals
// every square meets every number of its column.

#include "game/Dealing.h"
#include "PlainRules.h"
#include "Rounds.h"

#include <gtest/gtest.h>

#include <set>

using namespace daubery;

namespace {

// Each square's numbers seen over many deals.
using Seen = std::array<std::set<int>, 25>;

void expectProperCard(const Card& card, Seen& seen) {
    for (int cell = 1; cell <= 24; ++cell) {
        const int column = plain::squareOf(cell).column;
        EXPECT_GE(card[cell], 15 * column - 14) << "cell " << cell;
        EXPECT_LE(card[cell], 15 * column) << "cell " << cell;
        for (int other = 1; other < cell; ++other) EXPECT_NE(card[other], card[cell]) << "cell " << cell;
        seen[std::size_t(cell)].insert(card[cell]);
    }
}

void expectEveryNumberMet(const Seen& seen) {
    for (int cell = 1; cell <= 24; ++cell) EXPECT_EQ(seen[std::size_t(cell)].size(), 15u) << "cell " << cell;
}

} // namespace

TEST(Dealing, PlayerCardsHoldDistinctNumbersOfTheirColumns) {
    Seen seen1, seen2;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        GameState state;
        Random random = rounds::seededRandom(seed);
        dealPlayerCards(state, random);
        expectProperCard(state.Card1Numbers, seen1);
        expectProperCard(state.Card2Numbers, seen2);
        EXPECT_EQ(state.Card1Numbers[25], 0);
    }
    expectEveryNumberMet(seen1);
    expectEveryNumberMet(seen2);
}

// Cards only for the players in the game, each its own even under a clock that never moves.
TEST(Dealing, ComputerCardsOnlyForThePlayersInTheGame) {
    Seen seen;
    for (int players = 1; players <= 6; ++players) {
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            GameState state;
            state.PcPlayerCount = std::int16_t(players);
            for (int p = players + 1; p <= 7; ++p) state.PcCardNumbers[p].fill(-1);
            Random random = rounds::seededRandom(seed * 7 + std::uint64_t(players));
            DealPcCards(state, random);
            for (int p = 1; p <= players; ++p) {
                expectProperCard(state.PcCardNumbers[p], seen);
                int sameAsFirst = 0;
                for (int cell = 1; cell <= 24; ++cell)
                    sameAsFirst += state.PcCardNumbers[p][cell] == state.PcCardNumbers[1][cell];
                EXPECT_TRUE(p == 1 || sameAsFirst < 24) << "player " << p << " got player 1's card";
            }
            for (int p = players + 1; p <= 7; ++p) EXPECT_EQ(state.PcCardNumbers[p][1], -1) << "player " << p;
            EXPECT_EQ(state.Card1Numbers[1], 0);
        }
    }
    expectEveryNumberMet(seen);
}
