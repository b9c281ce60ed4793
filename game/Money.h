#pragma once
// Money and counters are signed 32-bit; sums that would leave that range stop at its bounds.

#include <cstdint>
#include <limits>

namespace daubery {

constexpr std::int32_t saturate(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(value < low ? low : value > high ? high : value);
}

constexpr std::int32_t plus(std::int32_t a, std::int64_t b) {
    return saturate(std::int64_t(a) + b);
}

// Each factor is a 32-bit value, so every partial product fits 64 bits before it saturates.
constexpr std::int32_t times(std::int32_t a, std::int32_t b, std::int32_t c = 1) {
    return saturate(std::int64_t(saturate(std::int64_t(a) * b)) * c);
}

} // namespace daubery
