#pragma once
// The game's one random generator: uniform values in [0, 1), reseeded from a clock by mixing
// the clock into its state, so a reseed within the same clock tick still moves it on.

#include <array>
#include <cstdint>
#include <functional>

namespace daubery {

class Random {
public:
    using Clock = std::function<std::uint64_t()>;

    explicit Random(Clock clock = {});

    void seed(std::uint64_t value);
    void reseedFromClock();
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // Rnd: the next value, uniform in [0, 1).
    double next();
    // Int(Rnd x count + low): a whole number low .. low + count - 1.
    int pick(int count, int low) { return int(next() * count) + low; }

private:
    std::uint64_t nextBits();

    std::array<std::uint64_t, 4> state_{};
    Clock clock_;
};

} // namespace daubery
