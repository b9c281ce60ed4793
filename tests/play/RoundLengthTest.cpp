// How long a round lasts when the player never claims: the one computer player wins at the call
// after the last number of its pattern is called. Over many seeded rounds the mean length must
// match the exact expectation for a pattern of k fixed numbers among 75 calls, within a bound
// that a computer player seeing the newest number (no lag), lagging two calls, or playing a
// pattern of another size would miss.

#include "Play.h"

#include <cmath>
#include <set>

namespace {

using play::GameState;
using play::Table;

constexpr int Balls = 75;

// The call at which the computer player announces when its k numbers are complete at call m, for a
// player that counts every number called more than `lag` calls ago. Past the 75th call the caller's
// last turn (CalledCount 77) counts all 75 numbers.
int announcedAt(int m, int lag) {
    return m + lag <= Balls ? std::max(m + lag, 1) : Balls + 2;
}

struct Moments {
    double mean = 0, variance = 0;
};

// The last of k fixed numbers comes at call m with probability C(m-1, k-1) / C(75, k).
Moments roundLength(int k, int lag) {
    double total = 0, mean = 0, square = 0;
    std::vector<double> weight(Balls + 1, 0.0);
    for (int m = k; m <= Balls; ++m) {
        double w = 1; // C(m - 1, k - 1), built up as a ratio to stay in range
        for (int j = 1; j <= k - 1; ++j) w *= double(m - k + j) / j;
        weight[std::size_t(m)] = w;
        total += w;
    }
    for (int m = k; m <= Balls; ++m) {
        const double p = weight[std::size_t(m)] / total, at = announcedAt(m, lag);
        mean += p * at;
        square += p * at * at;
    }
    return {mean, square - mean * mean};
}

// Plays `rounds` rounds of one single-set game type against one computer player, never claiming:
// each ends in a computer win with the balance at 0, and Try Again deals the next.
std::vector<int> computerWinCalls(int gameType, int rounds, long long seed) {
    Table table(seed);
    table.play({.gameType = gameType - 1});
    std::vector<int> lengths;
    for (int round = 0; round < rounds; ++round) {
        table.ok("advance 400000"); // longer than any round: 77 calls of 101 ticks
        EXPECT_TRUE(table.outcomeShown());
        EXPECT_EQ(table.state().PcWinner, 1);
        const GameState& s = table.state();
        lengths.push_back(s.CalledCount);
        // Every number of the round was new.
        std::set<int> called;
        for (int k = 1; k <= std::min(s.CalledCount, Balls); ++k) called.insert(s.CalledNumbers[k]);
        EXPECT_EQ(int(called.size()), std::min(s.CalledCount, Balls));
        table.ok("click frmGamestatus.cmdTryagain");
    }
    return lengths;
}

// The mean length of `rounds` rounds lies within five standard errors of the expectation for k
// squares and lag 1, a bound that leaves each of the wrong expectations three errors outside it.
void expectMeanLength(const char* name, int gameType, int k, int rounds, long long seed,
                      std::initializer_list<Moments> wrongs) {
    const auto lengths = computerWinCalls(gameType, rounds, seed);
    double sum = 0;
    for (int length : lengths) sum += length;
    const double mean = sum / double(lengths.size());

    const Moments right = roundLength(k, 1);
    const double error = std::sqrt(right.variance / double(lengths.size()));
    EXPECT_NEAR(mean, right.mean, 5 * error) << name;
    std::cout << "[ stats    ] " << name << ": mean " << mean << " calls over " << lengths.size()
              << " rounds, expected " << right.mean << " +/- " << 5 * error << "\n";
    for (const Moments& wrong : wrongs)
        EXPECT_GT(std::abs(wrong.mean - right.mean), 8 * error) << "too few rounds to tell " << wrong.mean;
}

// Cover All has the least spread, enough to tell the lag of one call from none or two.
TEST(RoundLength, CoverAllEndsTheCallAfterTheLastOfTwentyFourNumbers) {
    expectMeanLength("Cover All", 3, 24, 600, 11,
                     {roundLength(24, 0), roundLength(24, 2), roundLength(16, 1)});
}

// The small diamond's four squares surround the free space without counting it.
TEST(RoundLength, SmallDiamondEndsTheCallAfterTheLastOfFourNumbers) {
    expectMeanLength("Small Diamond", 6, 4, 300, 12, {roundLength(8, 1), roundLength(24, 1)});
}

} // namespace
