#pragma once
// What each game type's sample card marks, by its position in the options dialog's Game Type list:
// the circled squares (a card's cells less one, numbered column by column from B1, the free space
// left out) and the lines (rows 1-5, columns B-O, the diagonal from B1, the one from B5).

#include <vector>

namespace play {

struct Sample {
    std::vector<int> circles, lines;
};

inline const std::vector<int> Stamps{0, 1, 3, 4, 5, 6, 8, 9, 14, 15, 17, 18, 19, 20, 22, 23};
inline const Sample Samples[] = {
    {{}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}, // Regular
    {{0, 4, 19, 23}, {}},                         // Four Corners
    {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, {}}, // Cover All
    {Stamps, {}},                                                    // Postage Stamp
    {{2, 6, 8, 10, 13, 15, 17, 21}, {}},                             // Big Diamond
    {{7, 11, 12, 16}, {}},                                           // Small Diamond
    {Stamps, {10, 11}},                                              // Kite
    {{0, 1, 2, 3, 4, 5, 9, 10, 13, 14, 18, 19, 20, 21, 22, 23}, {}}, // Big Frame
    {{6, 7, 8, 11, 12, 15, 16, 17}, {}},                             // Little Frame
    {{0, 1, 2, 3, 4, 19, 20, 21, 22, 23}, {}},                       // B & O
    {{}, {}},                                                        // Any Bingo
    {{}, {}},                                                        // Random Pick
};

} // namespace play
