#pragma once
// The help viewer: what bingo is, a page for every game type, and a guide to the options dialog.

#include "GameWindow.h"

namespace daubery {

class frmHelp : public GameWindow {
public:
    static constexpr std::string_view Name = "frmHelp";
    explicit frmHelp(Daubery& owner);

    void Form_Load() override;
    void Form_Close() override;
    void Command2_Click();

private:
    void closing();
};

} // namespace daubery
