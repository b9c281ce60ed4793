#pragma once
// Verifying the player's claim against the called numbers, the computer players' names, and the
// naming of a computer winner in the game-over message.

#include "GameState.h"

#include <string>
#include <string_view>

namespace daubery {

// Claim results.
inline constexpr int Bingo = 2;
inline constexpr int NoBingo = 1;

// Bingo when the pattern of GameType is complete on a card in play: card 1, and card 2 only when
// BoardCount is 2. Every number called so far counts, the daubs never do. Types outside 1..11
// give NoBingo.
int CheckPlayerBingo(const GameState& state);

// The claim for one game type each, with the same results and card rule.
int CheckBigDiamond(const GameState& state);
int CheckSmallDiamond(const GameState& state);
int CheckKite(const GameState& state);
int CheckBigFrame(const GameState& state);
int CheckLittleFrame(const GameState& state);
int CheckRailroad(const GameState& state);
int CheckAnyBingo(const GameState& state);

// The computer players' names, 1 "Bingo Ben" to 6 "Winning Wanda"; empty for any other player.
std::string PcPlayerName(int player);
// The same for the player's number written as text ("3"), compared by value.
std::string PcPlayerName(std::string_view player);
std::string PcPlayerName(char player);

// The outcome dialog's renaming of a computer-win message: the player's digit at character 22
// gives the name, the message loses its first four and its last character, and the character
// after the player's number becomes a comma. "The Computer Player #3 has won the jackpot." becomes
// "Money Marcy, Computer Player #3,has won the jackpot". Shorter texts lose only what they have.
std::string renamedComputerWinStatus(std::string_view status);

} // namespace daubery
