#pragma once
// The numbers the cards and the board show, in plain decimal, written once for the whole game:
// every round writes the 48 squares of the player's cards and the board's 75 numbers.

#include "platform/Control.h"

#include <array>
#include <charconv>
#include <string>

namespace daubery {

// n in plain decimal, for n = 0..99.
inline const std::string& numberText(int n) {
    static const auto texts = [] {
        std::array<std::string, 100> written;
        for (int k = 0; k < 100; ++k) written[std::size_t(k)] = std::to_string(k);
        return written;
    }();
    return texts[std::size_t(n)];
}

// Shows a number as the label's caption, any number.
inline void setNumberCaption(Control& label, int number) {
    if (number >= 0 && number < 100)
        label.setCaption(numberText(number));
    else
        label.setCaption(std::to_string(number));
}

// Adds a number in plain decimal to a text being built.
inline void appendNumber(std::string& text, int number) {
    char digits[12];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, written.ptr);
}

} // namespace daubery
