#pragma once
// Where the options dialog has its parts, in its own twips: the dialog lays its controls there, and
// the help viewer's guide draws its likeness of the dialog and places its hot spots over the same
// parts. No Qt here: the game without a display lays out the dialog too.

#include "CardGrid.h"

namespace daubery {

struct DialogArea {
    int left, top, width, height;
};

namespace options_area {
inline constexpr int ClientWidth = 4575, ClientHeight = 4065;
// Each choice: its heading and, 255 twips below the heading's top, its list.
inline constexpr DialogArea Boards{120, 120, 2160, 570}, GameType{120, 810, 2160, 570},
    Seconds{120, 1500, 2160, 570}, Players{120, 2190, 2160, 570};
// The web link with the Start and Cancel buttons under it.
inline constexpr DialogArea StartAndLink{120, 2940, 2775, 960};
// The row of buttons, Start, Cancel and Help, each ButtonWidth wide, ButtonPitch apart.
inline constexpr DialogArea Buttons{120, 3480, 4215, 420};
inline constexpr int ButtonWidth = 1335, ButtonPitch = 1440;
// A choice's list lies this far below the top of its heading, as tall as the rest of its area.
inline constexpr int ListTop = 255;
// The whole sample: its name, the card in the middle under it and the explanation below the card.
inline constexpr DialogArea Sample{2280, 120, 2295, 3240};
inline constexpr DialogArea SampleCard{2670, 405, card_grid::ExampleWidthTwips,
                                       card_grid::ExampleHeightTwips},
    SampleText{2280, 2190, 2175, 1170};
// The help guide's picture shows the dialog as a small window under its title bar, at four fifths
// of its size; the dialog's client area lies in this part of the picture, in the picture's pixels.
inline constexpr DialogArea PictureClient{5, 20, 244, 217};
} // namespace options_area

} // namespace daubery
