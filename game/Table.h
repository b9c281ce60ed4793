#pragma once
// Fixed-capacity arrays indexed from a chosen first position, as the game's stores are declared.

#include <array>
#include <cassert>
#include <cstddef>

namespace daubery {

template <typename T, int Last, int First = 1> class Table {
public:
    static constexpr int first = First;
    static constexpr int last = Last;
    static constexpr std::size_t capacity = std::size_t(Last - First + 1);

    T& operator[](int position) {
        assert(position >= First && position <= Last);
        return items_[std::size_t(position - First)];
    }
    const T& operator[](int position) const {
        assert(position >= First && position <= Last);
        return items_[std::size_t(position - First)];
    }
    static constexpr bool holds(int position) { return position >= First && position <= Last; }
    void fill(const T& value) { items_.fill(value); }

private:
    std::array<T, capacity> items_{};
};

} // namespace daubery
