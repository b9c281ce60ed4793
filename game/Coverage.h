#pragma once
// Counting the covered squares of a pattern on a card. A numbered square is covered when its number
// is among the called numbers up to a given call; the free space is always covered.

#include "GameState.h"
#include "Patterns.h"

namespace daubery {

// Matches of the set's numbered squares against calls 1..lastCall, plus one when the set passes
// through the free space. Numbers are distinct on a card and in the called list, so this is the
// number of covered squares of the set.
int coveredSquares(const GameState& state, const Card& card, const CellSet& set, int lastCall);

// The covered cells of one of the state's cards, bit c - 1 for cell c.
std::uint32_t coveredCells(const GameState& state, const Card& card, int lastCall);

// The set's numbered cells as such a mask.
std::uint32_t cellMask(const CellSet& set);

// The computer players in play, kept inside the card table.
inline int opponentCount(const GameState& state) {
    const int count = state.PcPlayerCount;
    return count < 0                                     ? 0
           : count > decltype(state.PcCardNumbers)::last ? decltype(state.PcCardNumbers)::last
                                                         : count;
}

// How many cells a mask holds.
constexpr int cellCount(std::uint32_t cells) {
    cells = cells - ((cells >> 1) & 0x55555555u);
    cells = (cells & 0x33333333u) + ((cells >> 2) & 0x33333333u);
    return int((((cells + (cells >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

} // namespace daubery
