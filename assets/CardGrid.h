#pragma once
// Where a picture of a small sample card has its squares: one even grid of square cells with the
// same margin at the sides and the bottom, and the heading band with the letters B I N G O in what
// is left at the top. Every sample card is laid out by it: the pictures on the options dialog, the
// message board and the help pages, and the boxes, circles and lines the game lays over them.
// No Qt here: the game without a display lays out its sample cards too.

namespace daubery::card_grid {

inline constexpr int TwipsPerPixel = 15;

// The example card on the message board and the options dialog, in pixels.
inline constexpr int ExampleWidth = 100, ExampleHeight = 114;

// A card's grid in pixels from the picture's top-left corner: the margin at the sides and the
// bottom, the side of a cell, and the top-left corner of the grid, below the heading band.
struct Grid {
    int margin, cell, left, top;
    constexpr int columnLeft(int column) const { return left + cell * (column - 1); }
    constexpr int rowTop(int row) const { return top + cell * (row - 1); }
};

constexpr Grid grid(int width, int height) {
    const int margin = (width * 4 + 50) / 100; // 4% of the width, rounded
    const int cell = (width - 2 * margin) / 5;
    return {margin, cell, (width - 5 * cell) / 2, height - margin - 5 * cell};
}

inline constexpr Grid Example = grid(ExampleWidth, ExampleHeight);
// The example card in twips, and its heading band, where the game writes the letters B I N G O.
inline constexpr int ExampleWidthTwips = ExampleWidth * TwipsPerPixel,
                     ExampleHeightTwips = ExampleHeight * TwipsPerPixel,
                     ExampleHeadingTwips = Example.top * TwipsPerPixel;

} // namespace daubery::card_grid
