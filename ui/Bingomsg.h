#pragma once
// The message board: the message line, all 75 numbers lighting up as they are called, and the
// example card of the game being played.

#include "GameWindow.h"

#include <array>
#include <vector>

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

    // The message line, the board's label of a number 1..75 and the name of the game being played.
    Control& message() const { return *message_; }
    Control& number(int n) const;
    Control& gameName() const { return *gameName_; }
    // The example card: its boxes lblExample, circles shpExample and lines lneExample.
    const std::vector<Control*>& exampleSquares() const { return *exampleSquares_; }
    const std::vector<Control*>& exampleCircles() const { return *exampleCircles_; }
    const std::vector<Control*>& exampleLines() const { return *exampleLines_; }

private:
    Control* message_ = nullptr;
    Control* gameName_ = nullptr;
    const std::vector<Control*>* exampleSquares_ = nullptr;
    const std::vector<Control*>* exampleCircles_ = nullptr;
    const std::vector<Control*>* exampleLines_ = nullptr;
    std::array<Control*, 76> numbers_{};

    void helpOnCurrentGame();
};

} // namespace daubery
