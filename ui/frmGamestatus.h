#pragma once
// The outcome dialog that ends every decided round: OK, the next round, or the end of play.

#include "GameWindow.h"

namespace daubery {

class frmGamestatus : public GameWindow {
public:
    static constexpr std::string_view Name = "frmGamestatus";
    explicit frmGamestatus(Daubery& owner);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void lblStatus_Change();
    // The outcome line, written by the round that ended.
    Control& status() const { return *status_; }
    void cmdOK_Click();
    void cmdTryagain_Click();
    void cmdEndPlay_Click();

private:
    // The outcome, the hint under it and the Try Again button, found once.
    Control* status_ = nullptr;
    Control* hint_ = nullptr;
    Control* tryAgain_ = nullptr;
    std::string lastStatus_;
    bool activated_ = false;
};

} // namespace daubery
