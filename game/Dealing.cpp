#include "Dealing.h"

#include "Coverage.h"
#include "Patterns.h"

namespace daubery {

namespace {

// The cells run column by column, so comparing with every earlier cell finds exactly the repeats
// within the column: the column ranges do not overlap.
bool heldBefore(const Card& card, int cell, int number) {
    for (int earlier = 1; earlier < cell; ++earlier)
        if (card[earlier] == number) return true;
    return false;
}

enum class Reseed { Once, BeforeEveryCell };

void dealCard(Card& card, Random& random, Reseed reseed) {
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (reseed == Reseed::BeforeEveryCell) random.reseedFromClock();
        const int low = 15 * columnOfCell(cell) - 14;
        int number = random.pick(15, low);
        while (heldBefore(card, cell, number)) number = random.pick(15, low);
        card[cell] = number;
    }
}

} // namespace

void dealPlayerCards(GameState& state, Random& random) {
    random.reseedFromClock();
    dealCard(state.Card1Numbers, random, Reseed::Once);
    dealCard(state.Card2Numbers, random, Reseed::Once);
}

void DealPcCards(GameState& state, Random& random) {
    random.reseedFromClock();
    for (int player = 1; player <= opponentCount(state); ++player)
        dealCard(state.PcCardNumbers[player], random, Reseed::BeforeEveryCell);
}

} // namespace daubery
