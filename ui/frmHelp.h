#pragma once
// The help viewer: what bingo is, a page for every game type, and a guide to the options dialog.

#include "GameWindow.h"

#include <cstdint>

namespace daubery {

// The viewer's pages: the start page, then one page for each game in its own order, in which
// Random comes before Any Bingo.
namespace help_page {
inline constexpr std::int16_t Start = -1, RandomPick = 10, AnyBingo = 11, Last = 11, Count = 12;
}

class frmHelp : public GameWindow {
public:
    static constexpr std::string_view Name = "frmHelp";
    // HelpFromOptions when the options dialog's Help button opens the viewer on its guide.
    static constexpr std::int16_t OpenedFromOptions = 6;
    // HelpOrigin when the opener has already paused the game and disabled the Pause and Play menus.
    static constexpr std::int16_t OpenerPaused = 4;

    explicit frmHelp(Daubery& owner);

    void Form_Load() override;
    void Form_Close() override;

    void cmdNext_Click();
    void cmdBack_Click();
    void Command1_Click();
    void Command2_Click();
    void lblcontents_Click(int Index);
    void lblcontents_MouseMove(int Index);
    void lblobject_Click(int Index);
    void lblHlp_Click();
    void lblVisit_Click();

private:
    // Resumes the game and gives the main window its Pause and Play menus back.
    void closing();
    // Shows one of the three panels, the others behind it hidden.
    void bringToFront(std::string_view panel);
    void hidePagePictures();
    void showPageText(int page);
    void highlightContentsItem(int index);
};

} // namespace daubery
