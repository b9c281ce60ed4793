#pragma once
// The options dialog: boards, game type with its sample card, time between balls and opponents.

#include "GameWindow.h"

namespace daubery {

// A part of the dialog in its own twips. The help viewer's guide shows a picture of the dialog and
// places its hot spots over these parts.
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
// The whole sample: its name, the card and the explanation; the card and the explanation alone.
inline constexpr DialogArea Sample{2280, 120, 2295, 3240}, SampleCard{2640, 405, 1515, 1905},
    SampleText{2280, 2370, 2175, 990};
// The help guide's 300 × 250 picture of this dialog shows it as a small window under its title
// bar; the dialog's client area lies in this part of the picture, in the picture's pixels.
inline constexpr DialogArea PictureClient{5, 19, 290, 211};
} // namespace options_area

class BngOptions : public GameWindow {
public:
    static constexpr std::string_view Name = "BngOptions";
    explicit BngOptions(Daubery& owner);

    void Form_Load() override;

    void Combo2_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdHelp_Click();
    void lblhelp_Click();
    void lblVisit_Click();

    // Shows the sample card, its name and its explanation for the selected game type.
    void ShowExample();
    // Opens the help viewer on the page of the game type selected in the list.
    void ShowSelectedGameHelp();
};

} // namespace daubery
