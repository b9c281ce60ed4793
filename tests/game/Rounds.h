#pragma once
// Rounds for the checks to judge: cards with chosen squares covered, and random rounds.

#include "PlainRules.h"
#include "game/GameState.h"
#include "game/Random.h"

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <vector>

namespace rounds {

using daubery::Card;
using daubery::GameState;

// The game's generator from a seed, on a clock that never moves: reseeding must still move it on.
inline daubery::Random seededRandom(std::uint64_t seed) {
    daubery::Random random([] { return std::uint64_t(20240601); });
    random.seed(seed);
    return random;
}

inline const std::vector<int> allCells{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// Numbers never called in a covered round: the six highest of the O column are on no card below.
inline constexpr int Stranger = 75;

// A card whose listed cells are covered by coveringCalls() and whose other cells never are: in
// column c a covered square of row r holds 15c - 14 + r - 1, an uncovered one 15c - 9 + r - 1.
inline Card cardCovering(const std::vector<int>& coveredCells) {
    Card card;
    for (int cell = 1; cell <= 24; ++cell) {
        const plain::Square s = plain::squareOf(cell);
        const bool covered = std::find(coveredCells.begin(), coveredCells.end(), cell) != coveredCells.end();
        card[cell] = 15 * s.column - 14 + (covered ? 0 : 5) + s.row - 1;
    }
    return card;
}

// The numbers that cover the cells given to cardCovering: rows 1..5 of every column (25 numbers).
inline std::vector<int> coveringCalls() {
    std::vector<int> calls;
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row) calls.push_back(15 * column - 14 + row - 1);
    return calls;
}

inline void setCalls(GameState& state, const std::vector<int>& calls) {
    for (std::size_t k = 0; k < calls.size(); ++k) state.CalledNumbers[int(k) + 1] = calls[k];
    state.CalledCount = int(calls.size());
}

// Computer players 1..n with the given covered cells, every covering number called, then one
// newest number (which the computer players do not see yet).
inline GameState computersCovering(std::initializer_list<std::vector<int>> coveredByPlayer) {
    GameState state;
    int player = 0;
    for (const auto& cells : coveredByPlayer) state.PcCardNumbers[++player] = cardCovering(cells);
    state.PcPlayerCount = std::int16_t(player);
    std::vector<int> calls = coveringCalls();
    calls.push_back(Stranger);
    setCalls(state, calls);
    return state;
}

// A card dealt by the plain rule: distinct numbers from each column's range.
inline Card randomCard(std::mt19937& random) {
    Card card;
    for (int column = 1; column <= 5; ++column) {
        std::vector<int> numbers(15);
        std::iota(numbers.begin(), numbers.end(), 15 * column - 14);
        std::shuffle(numbers.begin(), numbers.end(), random);
        int taken = 0;
        for (int cell = 1; cell <= 24; ++cell)
            if (plain::squareOf(cell).column == column) card[cell] = numbers[std::size_t(taken++)];
    }
    return card;
}

// A card sharing most columns with another, so that several cards complete the same lines.
inline Card relatedCard(const Card& base, std::mt19937& random) {
    const Card other = randomCard(random);
    Card card = base;
    std::bernoulli_distribution redeal(0.3);
    for (int column = 1; column <= 5; ++column) {
        if (!redeal(random)) continue;
        for (int cell = 1; cell <= 24; ++cell)
            if (plain::squareOf(cell).column == column) card[cell] = other[cell];
    }
    return card;
}

} // namespace rounds
