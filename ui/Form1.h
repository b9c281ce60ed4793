#pragma once
// The main window: the player's cards, the falling ball, the money read-outs, the claim button and
// the menus that run the rounds.

#include "GameWindow.h"

#include <array>

namespace daubery {

class Form1 : public GameWindow {
public:
    static constexpr std::string_view Name = "Form1";
    explicit Form1(Daubery& owner);

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    void Form_Close() override;

    // The round's menus.
    void bngfileExit_Click();
    void bngPlay_Click();
    void Bngnext_Click();
    void bngPause_Click();
    void bngoptSound_Click();
    void helpgame_Click();
    void bngFullhelp_Click();
    void bnghelpabout_Click();
    void bngVisit_Click();
    void Label2_Click();

    // The caller and the ball.
    void Timer1_Timer();
    void tmrBallrool_Timer();
    void RollBallStep(std::int16_t& step);

    // Daubing and the claim.
    void Label1_Click(int Index);
    void tellDaub(int index, bool daubedBefore);
    std::string lastCallsNews() const;
    std::string everyCallNews() const;
    void setDotColour(int colour);
    void Command1_Click();

    // The controls every round's procedures touch, found once: a card square Label1(1..50), the
    // Next game menu, the caller Timer1, the claim button Command1, the ball, its timer and its text, the
    // balance, the pause sign and the Pause, How to play and Help menus.
    Control& square(int index) const { return *squares_[std::size_t(index)]; }
    Control& nextGameMenu() const { return *nextMenu_; }
    Control& caller() const { return *timer1_; }
    Control& claimButton() const { return *claim_; }
    Control& ball() const { return *ballRoll_; }
    Control& ballTimer() const { return *ballTimer_; }
    Control& ballLabel() const { return *ballText_; }
    Control& balance() const { return *balance_; }
    Control& pausedSign() const { return *pausedSign_; }
    Control& pauseMenu() const { return *pauseMenu_; }
    Control& gameHelpMenu() const { return *gameHelpMenu_; }
    Control& helpMenu() const { return *helpMenu_; }

    // Hides the dots from 1 to last: 48 keeps the free spaces' daubs, 50 clears them too.
    void hideDots(int last);
    // Hides the ball and the text it carries.
    void hideBall();
    // Hides the cards, read-outs, ball and claim button: the window as it is between games.
    void clearRound();
    // Ends play: the window returns to how it is before the first game; the win count is the caller's.
    void endPlay();

private:
    // The caller's ticks before a call only count; the ball's steps before it lands only move it.
    int quietCallerTicks() const;
    void countQuietly(int ticks);
    int quietFallTicks() const;
    void fallQuietly(int ticks);
    // The picture of the frame imgBalls(k), in the colour of the ball's column.
    const PictureName& fallingBallFrame(int k) const;

    // The controls the timers and the daubing touch, found once.
    Control* timer1_ = nullptr;
    Control* ballTimer_ = nullptr;
    Control* ballRoll_ = nullptr;
    Control* ballText_ = nullptr;
    Control* soundMenu_ = nullptr;
    Control* nextMenu_ = nullptr;
    Control* claim_ = nullptr;
    Control* balance_ = nullptr;
    Control* pausedSign_ = nullptr;
    Control* pauseMenu_ = nullptr;
    Control* gameHelpMenu_ = nullptr;
    Control* helpMenu_ = nullptr;
    std::array<Control*, 13> ballFrames_{};
    int ballColumn_ = 0; // the column of the ball called last, whose colour the falling ball takes
    std::array<Control*, 51> squares_{}; // Label1(1..50)
    std::array<Control*, 51> dots_{};    // Image2(1..50)
    // The caller's message line and what it was built from.
    struct {
        std::string text, name;
        int jackpot = 0, players = 0;
    } callMessage_;
};

} // namespace daubery
