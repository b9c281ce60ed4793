#include "Coverage.h"

#include <algorithm>

namespace daubery {

namespace {

// The state's cards by their place in the coverage record; -1 for a card from elsewhere.
int cardNumber(const GameState& state, const Card& card) {
    if (&card == &state.Card1Numbers) return 0;
    if (&card == &state.Card2Numbers) return 1;
    for (int player = 1; player <= 7; ++player)
        if (&card == &state.PcCardNumbers[player]) return 1 + player;
    return -1;
}

} // namespace

std::uint32_t coveredCells(const GameState& state, const Card& card, int lastCall) {
    const int last = std::clamp(lastCall, 0, decltype(state.CalledNumbers)::last);
    if (const int number = cardNumber(state, card); number >= 0)
        return state.coverage.covered(number, card, state.CalledNumbers, last);
    CallCoverage once;
    return once.covered(0, card, state.CalledNumbers, last);
}

std::uint32_t cellMask(const CellSet& set) {
    return set.cells;
}

int coveredSquares(const GameState& state, const Card& card, const CellSet& set, int lastCall) {
    const int numbered = cellCount(coveredCells(state, card, lastCall) & cellMask(set));
    return numbered + (set.hasFreeSpace() ? 1 : 0);
}

} // namespace daubery
