#include "Random.h"

#include <chrono>

namespace daubery {

namespace {

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t wallClock() {
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

Random::Random(Clock clock) : clock_(clock ? std::move(clock) : Clock(wallClock)) {
    seed(wallClock());
}

void Random::seed(std::uint64_t value) {
    for (auto& word : state_) word = splitMix(value);
}

void Random::reseedFromClock() {
    std::uint64_t mixer = clock_();
    state_[0] ^= splitMix(mixer);
    state_[1] ^= splitMix(mixer);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = 1;
    nextBits();
}

std::uint64_t Random::nextBits() {
    // xoshiro256**
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
}

double Random::next() {
    return double(nextBits() >> 11) * 0x1.0p-53;
}

} // namespace daubery
