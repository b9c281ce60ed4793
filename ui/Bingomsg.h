#pragma once
// The message board: the message line, all 75 numbers lighting up as they are called, and the
// example card of the game being played.

#include "GameWindow.h"

#include <array>

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

    // The message line, and the board's label of a number 1..75.
    Control& message() const { return *message_; }
    Control& number(int n) const;

private:
    Control* message_ = nullptr;
    std::array<Control*, 76> numbers_{};

    void helpOnCurrentGame();
};

} // namespace daubery
