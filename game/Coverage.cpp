#include "Coverage.h"

#include <algorithm>

namespace daubery {

int coveredSquares(const GameState& state, const Card& card, const CellSet& set, int lastCall) {
    const int last = std::clamp(lastCall, 0, decltype(state.CalledNumbers)::last);
    int count = 0;
    for (int square : set.squares) {
        if (square == FreeSpace) {
            ++count;
            continue;
        }
        for (int call = 1; call <= last; ++call)
            if (state.CalledNumbers[call] == card[square]) ++count;
    }
    return count;
}

int opponentCount(const GameState& state) {
    return std::clamp(int(state.PcPlayerCount), 0, decltype(state.PcCardNumbers)::last);
}

} // namespace daubery
