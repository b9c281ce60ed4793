#pragma once
// Where the small example card keeps its squares, measured in twips from the card picture's
// top-left corner. The game lays its cell boxes there and the card pictures draw their grid round
// the same boxes, so the pictures and the boxes cannot drift apart.
//
// The grid is not even: columns B, I and N share their edges, G and O stand a little apart, and
// the free space's row is set off from rows 2 and 4. A mark therefore goes where its box is, never
// at a fixed pitch.

#include <array>

namespace daubery::example_grid {

inline constexpr std::array<int, 5> BoxLefts{120, 360, 600, 870, 1200}; // by column B..O
inline constexpr std::array<int, 5> BoxTops{360, 600, 960, 1200, 1560}; // by row 1..5
inline constexpr int BoxSize = 255;
inline constexpr int CircleSize = 135;
// The heading over the columns, as tall as a box.
inline constexpr int HeadingHeight = 255;

// The middle of the box in column and row 1..5: where a circle sits and a line passes.
constexpr int boxMiddleX(int column) {
    return BoxLefts[std::size_t(column - 1)] + BoxSize / 2;
}
constexpr int boxMiddleY(int row) {
    return BoxTops[std::size_t(row - 1)] + BoxSize / 2;
}

} // namespace daubery::example_grid
