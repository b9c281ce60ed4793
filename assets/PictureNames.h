#pragma once
// The names the ball's and the daubs' pictures go by, one place for the painters that make them and
// the main window that shows them. No Qt here: the game without a display names its pictures too.

#include "game/Patterns.h"
#include "platform/PictureName.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace daubery::pictures {

// The turning ball is drawn in this many frames.
inline constexpr int BallFrameCount = 13;

// Frame 0..12 of the ball: "ball-3" as built, "ball-B-3" for a called ball in the colour of its
// column 1..5 (B..O); column 0 gives the frame as built.
constexpr PictureName ballFrameName(int column, int frame) {
    char text[12] = {'b', 'a', 'l', 'l', '-'};
    std::size_t length = 5;
    if (column >= 1 && column <= 5) {
        text[length++] = columnLetter(column);
        text[length++] = '-';
    }
    if (frame >= 10) text[length++] = char('0' + frame / 10);
    text[length++] = char('0' + frame % 10);
    return PictureName(std::string_view(text, length));
}

// The daubs, in the order of the Dotter Color menu: Blue, Red, Green, Yellow, Purple.
inline constexpr std::array<std::string_view, 5> DotNames{"dot-blue", "dot-red", "dot-green", "dot-yellow",
                                                          "dot-purple"};

} // namespace daubery::pictures
