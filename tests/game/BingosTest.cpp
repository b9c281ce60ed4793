// The player's claim, the computer players' names and the game-over message that names the winner.

#include "game/Bingos.h"
#include "PlainRules.h"
#include "Rounds.h"

#include <gtest/gtest.h>

using namespace daubery;

namespace {

// Player cards with the given cells covered by rounds::coveringCalls(), all of which are called.
GameState claim(int type, int boards, const std::vector<int>& card1, const std::vector<int>& card2 = {}) {
    GameState state;
    state.GameType = std::int16_t(type);
    state.BoardCount = std::int16_t(boards);
    state.Card1Numbers = rounds::cardCovering(card1);
    state.Card2Numbers = rounds::cardCovering(card2);
    rounds::setCalls(state, rounds::coveringCalls());
    return state;
}

// One way to win each type 1..11 that no other type's pattern is part of, so that it is lost
// without its last cell.
std::vector<int> winningCells(int type) {
    std::vector<int> cells = plain::numberedCells(type == 7    ? plain::mainDiagonal()
                                                  : type == 11 ? plain::alternatives(2)[0]
                                                               : plain::alternatives(type).back());
    if (type == 7)
        for (int cell : plain::numberedCells(plain::stamp(plain::BottomRight)))
            if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    return cells;
}

} // namespace

TEST(PlayerClaim, EachTypeIsWonOnACardInPlayWithTheLastCallCounting) {
    for (int type = 0; type <= 12; ++type) {
        GameState nothingCalled = claim(type, 2, rounds::allCells, rounds::allCells);
        nothingCalled.CalledCount = 0;
        EXPECT_EQ(CheckPlayerBingo(nothingCalled), NoBingo) << "type " << type;
    }
    for (int type = 1; type <= 11; ++type) {
        const std::vector<int> cells = winningCells(type);
        for (int onCard : {1, 2}) {
            GameState state;
            state.GameType = std::int16_t(type);
            (onCard == 1 ? state.Card1Numbers : state.Card2Numbers) = rounds::cardCovering(cells);
            (onCard == 1 ? state.Card2Numbers : state.Card1Numbers) = rounds::cardCovering({});
            // Call exactly the pattern's numbers, the last of them last.
            std::vector<int> calls;
            for (int cell : cells) calls.push_back(rounds::cardCovering({cell})[cell]);
            rounds::setCalls(state, calls);
            for (int boards : {1, 2}) {
                state.BoardCount = std::int16_t(boards);
                const int expected = onCard == 1 || boards == 2 ? Bingo : NoBingo;
                EXPECT_EQ(CheckPlayerBingo(state), expected)
                    << "type " << type << " card " << onCard << " boards " << boards;
                --state.CalledCount;
                EXPECT_EQ(CheckPlayerBingo(state), NoBingo) << "type " << type << " without the last call";
                ++state.CalledCount;
            }
        }
    }
}

// Claims where the free space or the kite's order of diagonals decides.
TEST(PlayerClaim, TheFreeSpaceAndTheKitesDiagonals) {
    struct Case {
        int type, boards;
        std::vector<int> card1, card2;
        int expected;
        const char* why;
    };
    const std::vector<int> allButOne(rounds::allCells.begin(), rounds::allCells.end() - 1);
    const Case cases[] = {
        {1, 1, {11, 12, 13, 14}, {}, Bingo, "column N"},
        {1, 1, {3, 8, 17, 22}, {}, Bingo, "row 3"},
        {1, 1, {5, 9, 16, 20}, {}, Bingo, "anti-diagonal"},
        {1, 1, {11, 12, 13}, {}, NoBingo, "column N short of one"},
        {6, 1, {8, 12, 13, 17}, {}, Bingo, "small diamond round the free space"},
        {9, 1, {7, 8, 9, 12, 13, 16, 17, 18}, {}, Bingo, "little frame round the free space"},
        {11, 1, {7, 8, 9, 12, 13, 16, 17, 18}, {}, Bingo, "Any Bingo takes a small pattern alone"},
        {11, 1, {1, 5, 20, 24}, {}, Bingo, "Any Bingo takes the corners"},
        {11, 1, {1, 5, 20, 9, 12, 17}, {}, NoBingo, "Any Bingo, three corners"},
        {3, 1, allButOne, {}, NoBingo, "Cover All short of one"},
        {7, 1, {1, 7, 18, 24, 6}, {}, NoBingo, "kite: diagonal and I1 only"},
        {7, 1, {5, 9, 16, 20}, {}, NoBingo, "kite: anti-diagonal, no stamp"},
        {7, 1, {1, 7, 18, 24, 19, 23}, {}, Bingo, "kite: main diagonal, bottom-right stamp"},
        {7, 1, {1, 7, 18, 24, 2, 6}, {}, Bingo, "kite: main diagonal, top-left stamp"},
        {7, 1, {1, 7, 18, 24, 4, 5, 9, 10}, {}, NoBingo, "kite: bottom-left stamp is not at its ends"},
        {7, 1, {5, 9, 16, 20, 1, 2, 6, 7}, {}, NoBingo, "kite: top-left stamp not at the anti-diagonal's"},
        {7, 1, {5, 9, 16, 20, 15, 21}, {}, Bingo, "kite: anti-diagonal, top-right stamp"},
        {7, 1, {1, 7, 18, 24, 5, 9, 16, 20, 4, 10}, {}, NoBingo, "kite: both diagonals, main first"},
        {7, 2, {1, 7, 18, 24}, {1, 2, 6, 7}, Bingo, "kite: diagonal on one card, stamp on the other"},
        {7, 1, {1, 7, 18, 24}, {1, 2, 6, 7}, NoBingo, "kite: the stamp on the card not in play"},
        {7, 1, {5, 9, 16, 20, 4, 10}, {1, 7, 18, 24}, Bingo, "kite: card 2 out of play"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckPlayerBingo(claim(c.type, c.boards, c.card1, c.card2)), c.expected) << c.why;
}

TEST(ComputerNames, ByNumberOrDigitAndInTheGameOverMessage) {
    const char* names[] = {"Bingo Ben",    "Dots Dot",       "Money Marcy",
                           "Jackpot John", "Numbers Nathan", "Winning Wanda"};
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(PcPlayerName(n), names[n - 1]);
        EXPECT_EQ(PcPlayerName(std::to_string(n)), names[n - 1]);
        EXPECT_EQ(PcPlayerName(char('0' + n)), names[n - 1]);
    }
    for (int n : {0, 7, -1}) EXPECT_EQ(PcPlayerName(n), "");
    for (const char* text : {"", "0", "7", "x", " "})
        EXPECT_EQ(PcPlayerName(std::string_view(text)), "") << text;

    const std::pair<std::string, std::string> renamed[] = {
        {"The Computer Player #3 has won the jackpot.  Your balance is 0 Game Over.",
         "Money Marcy, Computer Player #3,has won the jackpot.  Your balance is 0 Game Over"},
        {"The Computer Player #6 has won the jackpot.",
         "Winning Wanda, Computer Player #6,has won the jackpot"},
        // Texts of other forms keep what they have.
        {"", ", "},
        {"Hello", ", "},
        {"Hello, world", ", o, worl"},
        {"The Computer Player #", ", Computer Player "},
    };
    for (const auto& [status, expected] : renamed)
        EXPECT_EQ(renamedComputerWinStatus(status), expected) << status;
}
