// The computer players' checks: who wins, with which squares, one call behind the player.

#include "game/Pcbingos.h"
#include "PlainRules.h"
#include "Rounds.h"

#include <gtest/gtest.h>

using namespace daubery;
using rounds::allCells;
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

} // namespace

// Computer players 1, 2, ... with the listed cells covered, every covering number called before the
// newest: the winner and its recorded cells.
TEST(ComputerCheck, WhoWinsWithWhichSquares) {
    struct Case {
        int type;
        std::initializer_list<std::vector<int>> covered;
        int winner;
        std::vector<int> cells;
        const char* why;
    };
    const Case cases[] = {
        {1, {{}, {11, 12, 13, 14}}, 2, {11, 12, 13, 14}, "column N: four, free space not kept"},
        {1, {{3, 8, 17, 22}, {1, 2, 3, 4, 5}}, 2, {1, 2, 3, 4, 5}, "column B is tried before row 3"},
        {1, {{}, {5, 9, 16, 20}, {}, {5, 9, 16, 20}}, 2, {5, 9, 16, 20}, "the same line: the lower player"},
        {2, {{1, 5, 20}, {1, 5, 20, 24}, {1, 5, 20, 24}}, 2, {1, 5, 20, 24}, "four corners"},
        {1, {{1, 2, 3, 4}, {1, 7, 18}}, 0, {}, "no line whole"},
        {4, {{1, 2, 6, 4}, {1, 18, 19, 23, 24}}, 2, {18, 19, 23, 24}, "each stamp counted afresh"},
        {4, {{1, 2, 6, 4}}, 0, {}, "three of one stamp and one of another"},
        {7, {{1, 7, 18, 24}, {1, 7, 18, 24, 2, 6}}, 0, {}, "the kite's one candidate has no stamp"},
        {7, {{}, {1, 7, 18}, {5, 9, 16, 20, 15, 21}}, 3, {5, 9, 16, 20, 15, 16, 20, 21}, "B5 kite"},
        {7, {{1, 7, 18, 24, 19, 23}}, 1, {1, 7, 18, 24, 18, 19, 23, 24}, "main diagonal, bottom-right stamp"},
        {7, {{1, 7, 18, 24, 4, 5, 9, 10}}, 0, {}, "a stamp at the other diagonal's end"},
        {7, {{1, 7, 18, 24, 15, 16, 20, 21}}, 0, {}, "the other stamp at the other diagonal's end"},
        {7, {{1, 7, 18, 24}, {5, 9, 16, 20, 4, 10}}, 0, {}, "the main diagonal found, no other is tried"},
        {11, {{8, 12, 13, 17}, {}, {}, {1, 5, 20, 24}}, 4, {1, 5, 20, 24}, "Any: corners first"},
        {11, {{8, 12, 13, 17}, {7, 9, 16, 18, 3, 11, 14, 22}}, 2, {3, 11, 14, 22, 7, 9, 16, 18}, "diamond"},
        {11, {{}, {7, 8, 9, 12, 13, 16, 17, 18}}, 2, {8, 12, 13, 17}, "a little frame holds a small diamond"},
        {11, {{1, 5, 20}, {8, 12, 13}}, 0, {}, "Any Bingo, nothing whole"},
        {0, {allCells}, 0, {}, "no game type"},
        {12, {allCells}, 0, {}, "Random Pick is never played as itself"},
    };
    for (const Case& c : cases) {
        const plain::Win win = turn(computersCovering(c.covered), c.type);
        EXPECT_EQ(win.player, c.winner) << c.why;
        EXPECT_EQ(win.cells, c.cells) << c.why;
    }
}

TEST(ComputerCheck, TheNewestNumberIsNotSeenUntilTheNumbersRunOut) {
    // Cover All completed by the 24th number: seen only once a 25th is called.
    GameState state = computersCovering({allCells});
    std::vector<int> calls;
    for (int cell : allCells) calls.push_back(state.PcCardNumbers[1][cell]);
    rounds::setCalls(state, calls);
    EXPECT_EQ(turn(state, 3).player, 0);
    calls.push_back(rounds::Stranger);
    rounds::setCalls(state, calls);
    EXPECT_EQ(turn(state, 3).cells, allCells);
    // The first turn of a round sees nothing but the free space.
    state.CalledCount = 1;
    state.CalledNumbers[1] = state.PcCardNumbers[1][11];
    for (int type = 1; type <= 11; ++type) EXPECT_EQ(turn(state, type).player, 0) << "type " << type;

    // The turn after the numbers ran out (count 77, position 76 holding 0) completes every card.
    std::mt19937 random(75);
    state.PcPlayerCount = 6;
    for (int player = 1; player <= 6; ++player) state.PcCardNumbers[player] = rounds::randomCard(random);
    std::vector<int> all(75);
    std::iota(all.begin(), all.end(), 1);
    std::shuffle(all.begin(), all.end(), random);
    rounds::setCalls(state, all);
    state.CalledCount = 77;
    for (int type = 1; type <= 11; ++type) EXPECT_EQ(turn(state, type).player, 1) << "type " << type;
    EXPECT_EQ(turn(state, 7).cells, (std::vector<int>{1, 7, 18, 24, 1, 2, 6, 7}));
}
