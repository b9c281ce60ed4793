// The computer players' checks: who wins, with which squares, one call behind the player.

#include "game/Pcbingos.h"
#include "PlainRules.h"
#include "Rounds.h"

#include <gtest/gtest.h>

using namespace daubery;
using rounds::computersCovering;

namespace {

// Runs the computer players' turn for a game type; the winner and the recorded cells, or player 0.
plain::Win turn(GameState state, int type) {
    state.GameType = std::int16_t(type);
    state.PcWinner = 0;
    if (!runComputerCheck(state)) return {};
    plain::Win win{state.PcWinner, {}};
    for (int slot = 1; slot <= state.PcWinCellCount; ++slot)
        win.cells.push_back(state.PcWinCells[state.PcWinner][slot]);
    return win;
}

void expectWin(const plain::Win& win, int player, const std::vector<int>& cells) {
    EXPECT_EQ(win.player, player);
    EXPECT_EQ(win.cells, cells);
}

const std::vector<int> allCells{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

} // namespace

TEST(ComputerCheck, LinesAreTriedInOrderBeforePlayers) {
    // Column N needs only its four numbers; the free space is not recorded.
    expectWin(turn(computersCovering({{}, {11, 12, 13, 14}}), 1), 2, {11, 12, 13, 14});
    // Column B is tried before row 3, whoever holds it.
    expectWin(turn(computersCovering({{3, 8, 17, 22}, {1, 2, 3, 4, 5}}), 1), 2, {1, 2, 3, 4, 5});
    // The same line on two cards: the lower player.
    expectWin(turn(computersCovering({{}, {5, 9, 16, 20}, {}, {5, 9, 16, 20}}), 1), 2, {5, 9, 16, 20});
    expectWin(turn(computersCovering({{1, 5, 20}, {1, 5, 20, 24}, {1, 5, 20, 24}}), 2), 2, {1, 5, 20, 24});
    EXPECT_EQ(turn(computersCovering({{1, 2, 3, 4}, {1, 7, 18}}), 1).player, 0);
}

TEST(ComputerCheck, PostageStampCountsEachStampAfresh) {
    // Player 1's three top-left cells and one bottom-left cell never add up to a stamp.
    expectWin(turn(computersCovering({{1, 2, 6, 4}, {1, 18, 19, 23, 24}}), 4), 2, {18, 19, 23, 24});
    EXPECT_EQ(turn(computersCovering({{1, 2, 6, 4}}), 4).player, 0);
}

TEST(ComputerCheck, KiteHasOneCandidate) {
    // Player 1 holds the main diagonal first, so player 2's kite on it goes unseen this turn.
    EXPECT_EQ(turn(computersCovering({{1, 7, 18, 24}, {1, 7, 18, 24, 2, 6}}), 7).player, 0);
    // Only the anti-diagonal: its top-right stamp wins; the diagonal's cells come first.
    expectWin(turn(computersCovering({{}, {1, 7, 18}, {5, 9, 16, 20, 15, 21}}), 7), 3,
              {5, 9, 16, 20, 15, 16, 20, 21});
    expectWin(turn(computersCovering({{1, 7, 18, 24, 19, 23}}), 7), 1, {1, 7, 18, 24, 18, 19, 23, 24});
    // Stamps at the other diagonal's ends do not count.
    EXPECT_EQ(turn(computersCovering({{1, 7, 18, 24, 4, 5, 9, 10}}), 7).player, 0);
    EXPECT_EQ(turn(computersCovering({{1, 7, 18, 24, 15, 16, 20, 21}}), 7).player, 0);
    // The main diagonal found, the anti-diagonal is not tried even on another card.
    EXPECT_EQ(turn(computersCovering({{1, 7, 18, 24}, {5, 9, 16, 20, 4, 10}}), 7).player, 0);
}

TEST(ComputerCheck, AnyBingoTakesTheFirstTypeWithAWinner) {
    // Four Corners (type 2) comes before Small Diamond (type 6), whatever the players' numbers.
    expectWin(turn(computersCovering({{8, 12, 13, 17}, {}, {}, {1, 5, 20, 24}}), 11), 4, {1, 5, 20, 24});
    expectWin(turn(computersCovering({{8, 12, 13, 17}, {7, 9, 16, 18, 3, 11, 14, 22}}), 11), 2,
              {3, 11, 14, 22, 7, 9, 16, 18});
    // A little picture frame always holds a small diamond, which is tried first.
    expectWin(turn(computersCovering({{}, {7, 8, 9, 12, 13, 16, 17, 18}}), 11), 2, {8, 12, 13, 17});
    EXPECT_EQ(turn(computersCovering({{1, 5, 20}, {8, 12, 13}}), 11).player, 0);
}

TEST(ComputerCheck, TheNewestNumberIsNotSeen) {
    // Cover All completed by the 24th number: seen only once a 25th is called.
    GameState state = computersCovering({allCells});
    std::vector<int> calls;
    for (int cell : allCells) calls.push_back(state.PcCardNumbers[1][cell]);
    rounds::setCalls(state, calls);
    EXPECT_EQ(turn(state, 3).player, 0);
    calls.push_back(rounds::Stranger);
    rounds::setCalls(state, calls);
    expectWin(turn(state, 3), 1, allCells);

    // The first turn of a round sees nothing but the free space.
    state.CalledCount = 1;
    state.CalledNumbers[1] = state.PcCardNumbers[1][11];
    for (int type = 1; type <= 11; ++type) EXPECT_EQ(turn(state, type).player, 0) << "type " << type;
}

TEST(ComputerCheck, TheFinalTurnCompletesEveryCardAndPlayerOneWins) {
    std::mt19937 random(75);
    GameState state;
    state.PcPlayerCount = 6;
    for (int player = 1; player <= 6; ++player) state.PcCardNumbers[player] = rounds::randomCard(random);
    std::vector<int> calls(75);
    std::iota(calls.begin(), calls.end(), 1);
    std::shuffle(calls.begin(), calls.end(), random);
    rounds::setCalls(state, calls);
    state.CalledCount = 77; // the turn after the numbers ran out; position 76 holds 0
    for (int type = 1; type <= 11; ++type) EXPECT_EQ(turn(state, type).player, 1) << "type " << type;
    expectWin(turn(state, 3), 1, allCells);
    expectWin(turn(state, 7), 1, {1, 7, 18, 24, 1, 2, 6, 7});
}

TEST(ComputerCheck, UnknownTypesCheckNothing) {
    const GameState state = computersCovering({allCells});
    for (int type : {0, 12, -1, 100}) EXPECT_EQ(turn(state, type).player, 0) << "type " << type;
}

// Random rounds: the winner and the recorded cells match the plain rule. Counts left over from an
// earlier turn must not matter.
TEST(ComputerCheck, AgreesWithThePlainRule) {
    std::mt19937 random(1984);
    std::array<std::array<int, 2>, 12> outcomes{};
    int beatenByLowerLine = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        GameState state = rounds::randomRound(random);
        for (int player = 1; player <= 7; ++player) state.PcHitCounts[player] = std::int16_t(random() % 30);
        state.PcWinCellCount = 3;
        const plain::Win expected = plain::computerWinner(state, state.GameType);
        const plain::Win actual = turn(state, state.GameType);
        ASSERT_EQ(actual.player, expected.player)
            << "trial " << trial << " type " << state.GameType << " players " << state.PcPlayerCount
            << " calls " << state.CalledCount;
        ASSERT_EQ(actual.cells, expected.cells) << "trial " << trial << " type " << state.GameType;
        ++outcomes[std::size_t(state.GameType)][expected.player != 0];
        beatenByLowerLine += expected.player > 1;
    }
    for (int type = 1; type <= 11; ++type) {
        EXPECT_GT(outcomes[std::size_t(type)][0], 10) << "type " << type << " never lost";
        EXPECT_GT(outcomes[std::size_t(type)][1], 10) << "type " << type << " never won";
    }
    EXPECT_GT(beatenByLowerLine, 50) << "too few rounds won by a player other than 1";
}
