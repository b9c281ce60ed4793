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
inline constexpr DialogArea Boards{120, 120, 2055, 570}, GameType{120, 810, 2055, 570},
    Seconds{120, 1500, 2055, 570}, Players{120, 2190, 2055, 570};
// The web link with the Start and Cancel buttons under it.
inline constexpr DialogArea StartAndLink{120, 2940, 2775, 960};
// The whole sample: its name, the card and the explanation; the card and the explanation alone.
inline constexpr DialogArea Sample{2280, 120, 2295, 3240}, SampleCard{2640, 420, 1515, 1830},
    SampleText{2280, 2310, 2175, 1050};
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
