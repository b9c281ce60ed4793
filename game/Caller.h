#pragma once
// The number caller's draw: one unused number 1..75 per call, column first.

#include "GameState.h"
#include "Random.h"

#include <string>

namespace daubery {

// Returned by DrawNextNumber when all 75 numbers are called; the caller then stops.
inline constexpr int NoNumberLeft = 0;

// Reseeds, advances CalledCount to n and, while n is 75 or less, stores a new number and its
// column at position n and returns n. A column 1..5 is drawn, then a number of that column; a
// number already called is rejected and both are drawn again. From the 76th call on nothing is
// stored and the result is NoNumberLeft.
int DrawNextNumber(GameState& state, Random& random);

// The ball's text for the call at a position: the column letter and the number, such as "B7".
std::string ballText(const GameState& state, int position);

} // namespace daubery
