// The number caller's draw: 75 distinct numbers per round, each position uniform over 1..75.

#include "game/Caller.h"
#include "Rounds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace daubery;

// Every number once, with its column and its ball's text, then nothing; a new round ignores the last
// round's numbers left behind the count.
TEST(Caller, ARoundCallsEveryNumberOnceThenStops) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        GameState state;
        Random random = rounds::seededRandom(seed);
        for (int round = 0; round < 2; ++round) {
            std::set<int> called;
            std::map<std::size_t, std::string> texts;
            state.CalledCount = 0;
            for (int call = 1; call <= 75; ++call) {
                ASSERT_EQ(DrawNextNumber(state, random), call);
                ASSERT_EQ(state.CalledCount, call);
                const int number = state.CalledNumbers[call];
                ASSERT_TRUE(called.insert(number).second) << "called twice: " << number;
                ASSERT_TRUE(number >= 1 && number <= 75) << number;
                EXPECT_EQ(state.CalledColumns[call], (number + 14) / 15) << number; // B 1-15 .. O 61-75
                if (number == 1 || number == 15 || number == 16 || number == 60 || number == 75)
                    texts[std::size_t(number)] = ballText(state, call);
            }
            EXPECT_EQ(texts, (std::map<std::size_t, std::string>{
                                 {1, "B1"}, {15, "B15"}, {16, "I16"}, {60, "G60"}, {75, "O75"}}));
            EXPECT_EQ(DrawNextNumber(state, random), NoNumberLeft);
            EXPECT_EQ(state.CalledCount, 76);
            EXPECT_EQ(state.CalledNumbers[76], 0);
            EXPECT_EQ(state.CalledColumns[76], 0);
        }
    }
    EXPECT_EQ(ballText(GameState{}, 0), "");
}

// Over many rounds each number is equally likely at the first, a middle and the last call. A draw
// that leans to a column, or reuses one random value for the column and the number, fails the
// chi-square bound: 171.6 is exceeded with probability 1e-9 by 74 degrees of freedom.
TEST(Caller, EveryNumberIsEquallyLikelyAtEveryCall) {
    constexpr int rounds = 3000;
    const int positions[] = {1, 40, 75};
    std::array<std::array<int, 76>, 3> tally{};
    for (int round = 0; round < rounds; ++round) {
        GameState state;
        Random random = rounds::seededRandom(std::uint64_t(round) + 1000);
        for (int call = 1; call <= 75; ++call) DrawNextNumber(state, random);
        for (std::size_t k = 0; k < 3; ++k) ++tally[k][std::size_t(state.CalledNumbers[positions[k]])];
    }
    for (std::size_t k = 0; k < 3; ++k) {
        double chiSquare = 0;
        for (int number = 1; number <= 75; ++number) {
            const double off = tally[k][std::size_t(number)] - rounds / 75.0;
            chiSquare += off * off / (rounds / 75.0);
        }
        EXPECT_LT(chiSquare, 171.6) << "call " << positions[k];
    }
}
