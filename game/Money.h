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

constexpr std::int32_t times(std::int64_t a, std::int64_t b, std::int64_t c = 1) {
    // Three small factors at most (5 x level x players): no 64-bit overflow before saturating.
    const long double product = (long double)a * (long double)b * (long double)c;
    if (product > (long double)std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (product < (long double)std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(a * b * c);
}

} // namespace daubery
