#pragma once
// Dealing the cards of a new round: the player's two cards and one card per computer player.
// Every column draws from its own fifteen numbers and never holds the same number twice.

#include "GameState.h"
#include "Random.h"

namespace daubery {

// Reseeds once, then deals card 1 and card 2 (card 2 also when only one card is played).
void dealPlayerCards(GameState& state, Random& random);

// Reseeds, then deals players 1..PcPlayerCount, reseeding before every cell; a repeated number is
// drawn again without reseeding. Cards of players beyond the count are left as they are.
void DealPcCards(GameState& state, Random& random);

} // namespace daubery
