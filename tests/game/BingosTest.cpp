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

// The numbered cells of some patterns, each once, in order.
std::vector<int> cellsOf(std::initializer_list<plain::Pattern> patterns) {
    std::vector<int> cells;
    for (const plain::Pattern& p : patterns)
        for (int cell : plain::numberedCells(p))
            if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    return cells;
}

// One way to win each type 1..11 that no other type's pattern is part of, so that it is lost
// without its last cell.
std::vector<int> winningCells(int type) {
    if (type == 7) return cellsOf({plain::mainDiagonal(), plain::bottomRight()});
    if (type == 11) return cellsOf({plain::alternatives(2)[0]});
    return cellsOf({plain::alternatives(type).back()});
}

} // namespace

TEST(PlayerClaim, NothingCalledNothingWon) {
    for (int type = 0; type <= 12; ++type) {
        GameState state = claim(type, 2, {}, {});
        state.CalledCount = 0;
        state.Card1Numbers = rounds::cardCovering(
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24});
        EXPECT_EQ(CheckPlayerBingo(state), NoBingo) << "type " << type;
    }
}

TEST(PlayerClaim, EachTypeIsWonOnACardInPlayWithTheLastCallCounting) {
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

TEST(PlayerClaim, TheFreeSpaceCountsWhereAPatternPassesThroughIt) {
    EXPECT_EQ(CheckPlayerBingo(claim(1, 1, {11, 12, 13, 14})), Bingo); // column N
    EXPECT_EQ(CheckPlayerBingo(claim(1, 1, {3, 8, 17, 22})), Bingo);   // row 3
    EXPECT_EQ(CheckPlayerBingo(claim(1, 1, {5, 9, 16, 20})), Bingo);   // anti-diagonal
    EXPECT_EQ(CheckPlayerBingo(claim(1, 1, {11, 12, 13})), NoBingo);
    EXPECT_EQ(CheckPlayerBingo(claim(6, 1, {8, 12, 13, 17})), Bingo); // small diamond around it
    EXPECT_EQ(CheckPlayerBingo(claim(9, 1, {7, 8, 9, 12, 13, 16, 17, 18})), Bingo);
    // Any Bingo takes the small patterns alone.
    EXPECT_EQ(CheckPlayerBingo(claim(11, 1, {7, 8, 9, 12, 13, 16, 17, 18})), Bingo);
    EXPECT_EQ(CheckPlayerBingo(claim(11, 1, {1, 5, 20, 24})), Bingo);
    EXPECT_EQ(CheckPlayerBingo(claim(11, 1, {1, 5, 20, 9, 12, 17})), NoBingo);
    EXPECT_EQ(CheckPlayerBingo(claim(
                  3, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23})),
              NoBingo);
}

TEST(PlayerClaim, KiteTakesTheStampsOfTheFirstCompleteDiagonal) {
    const auto kite = [](int boards, const std::vector<int>& card1, const std::vector<int>& card2 = {}) {
        return CheckKite(claim(7, boards, card1, card2));
    };
    EXPECT_EQ(kite(1, {1, 7, 18, 24, 6}), NoBingo);           // diagonal and I1 only
    EXPECT_EQ(kite(1, {5, 9, 16, 20}), NoBingo);              // anti-diagonal, no stamp
    EXPECT_EQ(kite(1, {1, 7, 18, 24, 19, 23}), Bingo);        // main diagonal, bottom-right stamp
    EXPECT_EQ(kite(1, {1, 7, 18, 24, 2, 6}), Bingo);          // main diagonal, top-left stamp
    EXPECT_EQ(kite(1, {1, 7, 18, 24, 4, 5, 9, 10}), NoBingo); // bottom-left stamp is not at its ends
    EXPECT_EQ(kite(1, {5, 9, 16, 20, 1, 2, 6, 7}), NoBingo);  // top-left stamp is not at the anti-diagonal's
    EXPECT_EQ(kite(1, {5, 9, 16, 20, 15, 21}), Bingo);        // anti-diagonal, top-right stamp
    // Both diagonals complete: the main one decides, so the anti-diagonal's stamp does not count.
    EXPECT_EQ(kite(1, {1, 7, 18, 24, 5, 9, 16, 20, 4, 10}), NoBingo);
    // Diagonal on one card, stamp on the other: a kite only when both cards are in play.
    EXPECT_EQ(kite(2, {1, 7, 18, 24}, {1, 2, 6, 7}), Bingo);
    EXPECT_EQ(kite(1, {1, 7, 18, 24}, {1, 2, 6, 7}), NoBingo);
    // The main diagonal on the hidden card does not hide the anti-diagonal's kite on card 1.
    EXPECT_EQ(kite(1, {5, 9, 16, 20, 4, 10}, {1, 7, 18, 24}), Bingo);
}

// Random cards, random calls, every type and board count: the verdict matches the plain rule.
TEST(PlayerClaim, AgreesWithThePlainRule) {
    std::mt19937 random(1971);
    std::array<std::array<int, 2>, 12> outcomes{};
    for (int trial = 0; trial < 3000; ++trial) {
        const GameState state = rounds::randomRound(random);
        const bool expected = plain::playerWins(state, state.GameType);
        ASSERT_EQ(CheckPlayerBingo(state), expected ? Bingo : NoBingo)
            << "trial " << trial << " type " << state.GameType << " boards " << state.BoardCount << " calls "
            << state.CalledCount;
        ++outcomes[std::size_t(state.GameType)][expected];
    }
    for (int type = 1; type <= 11; ++type) {
        EXPECT_GT(outcomes[std::size_t(type)][0], 10) << "type " << type << " never lost";
        EXPECT_GT(outcomes[std::size_t(type)][1], 10) << "type " << type << " never won";
    }
}

TEST(ComputerNames, ByNumberOrDigit) {
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
}

TEST(ComputerNames, TheGameOverMessageNamesTheWinner) {
    EXPECT_EQ(
        renamedComputerWinStatus("The Computer Player #3 has won the jackpot.  Your balance is 0 Game Over."),
        "Money Marcy, Computer Player #3,has won the jackpot.  Your balance is 0 Game Over");
    EXPECT_EQ(
        renamedComputerWinStatus("The Computer Player #1 has won the jackpot.  Your balance is 0 Game Over."),
        "Bingo Ben, Computer Player #1,has won the jackpot.  Your balance is 0 Game Over");
    EXPECT_EQ(renamedComputerWinStatus("The Computer Player #6 has won the jackpot."),
              "Winning Wanda, Computer Player #6,has won the jackpot");
    // Texts of other forms keep what they have.
    EXPECT_EQ(renamedComputerWinStatus(""), ", ");
    EXPECT_EQ(renamedComputerWinStatus("Hello"), ", ");
    EXPECT_EQ(renamedComputerWinStatus("Hello, world"), ", o, worl");
    EXPECT_EQ(renamedComputerWinStatus("The Computer Player #"), ", Computer Player ");
}
