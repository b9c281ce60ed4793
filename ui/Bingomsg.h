#pragma once
// The message board: the message line, all 75 numbers lighting up as they are called, and the
// example card of the game being played.

#include "GameWindow.h"

namespace daubery {

class Bingomsg : public GameWindow {
public:
    static constexpr std::string_view Name = "Bingomsg";
    explicit Bingomsg(Daubery& owner);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;

    void lblQuestion_Click();
    void lblCoverinfo_Click();

private:
    void helpOnCurrentGame();
};

} // namespace daubery
