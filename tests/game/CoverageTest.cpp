// The checks keep which squares the calls cover from one call to the next. One game state lives
// through many calls, take-backs, rewritten calls, new cards and new rounds of every type, and after
// every change the player's claim and the computer players' turn must say what the plain rules say,
// whatever counts an earlier turn left behind.

#include "PlainRules.h"
#include "Rounds.h"
#include "game/Bingos.h"
#include "game/Pcbingos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace daubery;

namespace {

struct Game {
    GameState state;
    std::vector<int> order; // the round's draw, positions 1.. of the called list in this order

    void newRound(std::mt19937& random) {
        order.resize(75);
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), random);
        state.CalledCount = 0;
    }
    void call() {
        if (state.CalledCount >= 75) {
            state.CalledCount = 77; // the numbers are exhausted; position 76 holds no number
            state.CalledNumbers[76] = 0;
            return;
        }
        ++state.CalledCount;
        state.CalledNumbers[state.CalledCount] = order[std::size_t(state.CalledCount - 1)];
    }
};

// Each type's verdicts seen, for the player and the computers: [type][player won][computer won].
using Outcomes = std::array<std::array<std::array<int, 2>, 2>, 12>;

void expectAgreement(Game& game, int step, Outcomes& outcomes) {
    GameState& state = game.state;
    const bool playerWins = plain::playerWins(state, state.GameType);
    ASSERT_EQ(CheckPlayerBingo(state) == Bingo, playerWins)
        << "step " << step << " type " << state.GameType << " boards " << state.BoardCount << " calls "
        << state.CalledCount;
    const plain::Win expected = plain::computerWinner(state, state.GameType);
    state.PcWinner = 0;
    const bool won = runComputerCheck(state);
    ASSERT_EQ(won ? state.PcWinner : 0, expected.player)
        << "step " << step << " type " << state.GameType << " calls " << state.CalledCount;
    ++outcomes[std::size_t(state.GameType)][playerWins][won];
    if (!won) return;
    std::vector<int> cells;
    for (int slot = 1; slot <= state.PcWinCellCount; ++slot)
        cells.push_back(state.PcWinCells[state.PcWinner][slot]);
    ASSERT_EQ(cells, expected.cells) << "step " << step;
}

} // namespace

TEST(CoverageKeptBetweenCalls, AgreesWithThePlainRulesThroughEveryKindOfChange) {
    std::mt19937 random(2718);
    Game game;
    GameState& state = game.state;
    state.GameType = 1;
    state.BoardCount = 2;
    state.PcPlayerCount = 6;
    state.Card1Numbers = rounds::randomCard(random);
    state.Card2Numbers = rounds::relatedCard(state.Card1Numbers, random);
    for (int player = 1; player <= 7; ++player)
        state.PcCardNumbers[player] = rounds::relatedCard(state.Card1Numbers, random);
    game.newRound(random);

    Outcomes outcomes{};
    for (int step = 0; step < 12000; ++step) {
        switch (std::uniform_int_distribution(0, 29)(random)) {
        case 0: // a call taken back, or a few
            state.CalledCount =
                std::max(0, std::min(state.CalledCount, 75) - std::uniform_int_distribution(1, 3)(random));
            break;
        case 1: { // a called number replaced by one not yet called
            if (state.CalledCount < 1 || state.CalledCount > 74) break;
            const int at = std::uniform_int_distribution(1, state.CalledCount)(random);
            const int from = std::uniform_int_distribution(state.CalledCount + 1, 75)(random);
            std::swap(game.order[std::size_t(at - 1)], game.order[std::size_t(from - 1)]);
            state.CalledNumbers[at] = game.order[std::size_t(at - 1)];
            break;
        }
        case 2: { // a card dealt again, the player's or a computer's
            const int card = std::uniform_int_distribution(0, 8)(random);
            Card& numbers = card == 0   ? state.Card1Numbers
                            : card == 1 ? state.Card2Numbers
                                        : state.PcCardNumbers[card - 1];
            numbers = rounds::relatedCard(state.Card1Numbers, random);
            break;
        }
        case 3: // a new round: the old numbers stay behind the count
            game.newRound(random);
            state.GameType = std::int16_t(std::uniform_int_distribution(1, 11)(random));
            state.BoardCount = std::int16_t(std::uniform_int_distribution(1, 2)(random));
            state.PcPlayerCount = std::int16_t(std::uniform_int_distribution(1, 6)(random));
            break;
        default: // most often, the next call
            game.call();
        }
        expectAgreement(game, step, outcomes);
        if (HasFatalFailure()) return;
    }
    for (std::size_t type = 1; type <= 11; ++type)
        for (int won = 0; won < 2; ++won) {
            EXPECT_GT(outcomes[type][won][0] + outcomes[type][won][1], 10)
                << "type " << type << " player " << won;
            EXPECT_GT(outcomes[type][0][won] + outcomes[type][1][won], 10)
                << "type " << type << " computer " << won;
        }
}

// A copy of a state answers for itself: its record follows its own cards and calls.
TEST(CoverageKeptBetweenCalls, ACopiedStateAnswersForItsOwnCalls) {
    Game game;
    GameState& state = game.state;
    state.GameType = 2; // four corners: cells 1, 5, 20, 24
    state.BoardCount = 1;
    state.Card1Numbers = rounds::cardCovering({1, 5, 20, 24});
    rounds::setCalls(state, {1, 5, 61, 65});
    EXPECT_EQ(CheckPlayerBingo(state), Bingo);
    GameState copy = state;
    copy.CalledNumbers[4] = 66; // the O5 square is no longer called
    EXPECT_EQ(CheckPlayerBingo(copy), NoBingo);
    EXPECT_EQ(CheckPlayerBingo(state), Bingo);
    copy.CalledNumbers[4] = 65;
    EXPECT_EQ(CheckPlayerBingo(copy), Bingo);
}
