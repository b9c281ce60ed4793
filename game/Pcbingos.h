#pragma once
// The computer players' checks, one per game type. A computer player's square is covered when its
// number was called before the newest call (CalledNumbers 1..CalledCount - 1); the free space always
// is. Each check counts the covered squares of its sets into PcHitCounts, compares the players in
// increasing number, and on a win records PcWinner, the winner's PcWinCells and PcWinCellCount and
// returns true. Nothing else is examined after a win; the caller shows and announces it.

#include "GameState.h"

namespace daubery {

// Checks with several sets zero the counts of every player before each set, and the first set
// complete on some card decides, its lowest-numbered such player winning. Checks with a single set
// add to the counts they find (zeroed by runComputerCheck or CheckPcAnyBingo).
bool CheckPcRegular(GameState& state);
bool CheckPcFourCorners(GameState& state);
bool CheckPcCoverAll(GameState& state);
bool CheckPcPostageStamp(GameState& state);
bool CheckPcBigDiamond(GameState& state);
bool CheckPcSmallDiamond(GameState& state);
// The first player with the main diagonal complete, else with the anti-diagonal, is the only
// candidate; it wins with a complete stamp at either end of that diagonal, recording the diagonal's
// four numbered cells and then the stamp's four.
bool CheckPcKite(GameState& state);
bool CheckPcBigFrame(GameState& state);
bool CheckPcLittleFrame(GameState& state);
bool CheckPcRailroad(GameState& state);
// Types 1..10 in order, each from zero counts and no recorded cells; the first with a winner ends it.
bool CheckPcAnyBingo(GameState& state);

// The computer players' turn after a call: zero the counts and run the check of GameType.
// Types outside 1..11 check nothing.
bool runComputerCheck(GameState& state);

} // namespace daubery
