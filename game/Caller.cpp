#include "Caller.h"

#include "Patterns.h"

#include <charconv>

namespace daubery {

namespace {

constexpr int BallCount = 75;

bool calledBefore(const GameState& state, int position, int number) {
    for (int earlier = 1; earlier < position; ++earlier)
        if (state.CalledNumbers[earlier] == number) return true;
    return false;
}

} // namespace

int DrawNextNumber(GameState& state, Random& random) {
    random.reseedFromClock();
    const int position = ++state.CalledCount;
    if (position > BallCount || position < 1) return NoNumberLeft;
    int column = 0;
    int number = 0;
    do {
        column = random.pick(5, 1);
        number = random.pick(15, 15 * column - 14);
    } while (calledBefore(state, position, number));
    state.CalledNumbers[position] = number;
    state.CalledColumns[position] = std::int16_t(column);
    return position;
}

std::string ballText(const GameState& state, int position) {
    if (!decltype(state.CalledNumbers)::holds(position)) return {};
    // Written in place, for every ball called.
    char text[16];
    text[0] = columnLetter(state.CalledColumns[position]);
    const auto written = std::to_chars(text + 1, text + sizeof text, state.CalledNumbers[position]);
    return std::string(text, written.ptr);
}

} // namespace daubery
