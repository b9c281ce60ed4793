#pragma once
// The options dialog: boards, game type with its sample card, time between balls and opponents.

#include "GameWindow.h"
#include "assets/OptionsLayout.h"

namespace daubery {

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
