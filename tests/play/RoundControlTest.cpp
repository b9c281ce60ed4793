// The round's life as the main window's menus run it: start-up, Play and the options, Pause,
// End Play, Next game and Try Again, Exit, and the main window's minimising carried to the board.

#include "Play.h"

#include "ui/Form1.h"

namespace {

using namespace play;

TEST(RoundControl, AFreshStartShowsOnlyTheMenusTheBackgroundAndTheLink) {
    Table t;
    EXPECT_ROUND(t, Round::Idle);
    EXPECT_EQ(t.text("Form1.caption"), "Daubery");
    EXPECT_TRUE(t.flag("Form1.visible"));
    EXPECT_EQ(t.number("Form1.height"), 5745);
    EXPECT_FALSE(t.flag("Form1.helpgame.visible"));
    EXPECT_EQ(t.text("Form1.bngPause.caption"), "Pause");
    EXPECT_EQ(t.text("Form1.bngoptSound.caption"), "&Sound Off");
    // Of the window's own controls only the link is on screen.
    for (const auto& control : t.game().mainWindow().controls()) {
        if (control->kind() == daubery::ControlKind::Menu || control->kind() == daubery::ControlKind::Timer)
            continue;
        bool onScreen = true;
        for (const daubery::Control* c = control.get(); c; c = c->container())
            onScreen = onScreen && c->visible();
        EXPECT_EQ(onScreen, control->name() == "Label2") << control->path();
    }
    EXPECT_FALSE(t.flag("Bingomsg.loaded"));
    EXPECT_FALSE(t.flag("frmGamestatus.loaded"));
    const GameState& s = t.state();
    EXPECT_EQ(s.Balance, 0);
    EXPECT_EQ(s.JackpotLevel, 1);
    EXPECT_EQ(s.HelpPage, -1);
}

TEST(RoundControl, StartDealsTheRoundTheOptionsDescribe) {
    Table t;
    t.play();
    EXPECT_ROUND(t, Round::Running);
    const GameState& s = t.state();
    EXPECT_EQ(s.GameType, 1);
    EXPECT_EQ(s.BoardCount, 1);
    EXPECT_EQ(s.PcPlayerCount, 1);
    EXPECT_EQ(s.CallInterval, 5000);
    EXPECT_EQ(s.Jackpot, 5);
    EXPECT_EQ(s.CalledCount, 0);
    expectDealt(s.Card1Numbers);
    expectDealt(s.Card2Numbers);
    expectDealt(s.PcCardNumbers[1]);
    for (int i = 1; i <= 48; ++i) {
        const int number = i <= 24 ? s.Card1Numbers[i] : s.Card2Numbers[i - 24];
        EXPECT_EQ(t.text("Form1.Label1[" + std::to_string(i) + "].caption"), std::to_string(number));
    }
    EXPECT_EQ(t.text("Form1.Label1[49].caption"), "Free Space");
    EXPECT_EQ(t.text("Form1.Label1[50].caption"), "Free Space");
    EXPECT_FALSE(t.flag("Form1.Picture2.visible"));
    EXPECT_EQ(t.number("Form1.Command1.width"), 3735);
    EXPECT_EQ(t.text("Form1.Command1.tooltip"), "If you have BINGO then press here");
    EXPECT_EQ(t.number("Form1.width"), 9300);
    EXPECT_EQ(t.text("Form1.lblBalance.caption"), "$0");
    EXPECT_EQ(t.text("Form1.lblWins.caption"), "0");
    EXPECT_TRUE(t.flag("Form1.helpgame.visible"));
    EXPECT_EQ(t.text("Form1.helpgame.caption"), "How to play Regular Bingo");
    EXPECT_TRUE(t.flag("Bingomsg.visible"));
    EXPECT_EQ(t.text("Bingomsg.lblexplname.caption"), "Regular Bingo");
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"),
              "You are playing Regular Bingo, Jackpot is $5. There is 1 player playing against you.");

    // Two boards of Cover All, fifteen seconds, six computer players.
    t.ok("click Form1.bngPlay");
    t.play({.boards = 1, .gameType = 2, .seconds = 2, .opponents = 5});
    EXPECT_ROUND(t, Round::Running);
    EXPECT_TRUE(t.flag("Form1.Picture2.visible"));
    EXPECT_EQ(t.number("Form1.Command1.width"), 8775);
    EXPECT_EQ(s.CallInterval, 15000);
    EXPECT_EQ(s.Jackpot, 30);
    for (int p = 1; p <= 6; ++p) expectDealt(s.PcCardNumbers[p]);
    EXPECT_EQ(t.text("Form1.helpgame.caption"), "How to play Cover All");
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"),
              "You are playing Cover All, Jackpot is $30. There is 6 players playing against you.");
}

// While the options are open the table stays as it was; Cancel deals nothing.
TEST(RoundControl, CancelLeavesTheTableIdle) {
    Table t;
    t.ok("respond get Form1.bngPlay.caption; get Form1.Timer1.enabled; get Form1.Command1.visible;"
         " pick Combo2 6; click Command2");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"),
              (std::vector<std::string>{R"(ok "&Play")", "ok false", "ok false", "ok", "ok"}));
    EXPECT_ROUND(t, Round::Idle);
    EXPECT_EQ(t.state().GameType, 7);
    EXPECT_FALSE(t.flag("Bingomsg.loaded"));
}

TEST(RoundControl, PauseStopsTheCallerOnlyWhileARoundCanBeClaimed) {
    Table t;
    t.play();
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Paused);
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"), "Game has been Paused");
    t.ticks(500);
    EXPECT_EQ(t.state().CalledCount, 0);
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Running);
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"), "Game has been Unpaused");
    t.ticks(101);
    EXPECT_EQ(t.state().CalledCount, 1);
    // A pause lets a falling ball land.
    t.ok("click Form1.bngPause");
    t.ticks(57);
    EXPECT_TRUE(t.flag("Form1.lblball.visible"));
    EXPECT_FALSE(t.flag("Form1.tmrBallrool.enabled"));
    t.ok("click Form1.bngPause");

    // Between rounds the claim button is disabled and the menu does nothing.
    t.callUntilComputerWins();
    EXPECT_ROUND(t, Round::ComputerWon);
    t.ok("click Form1.bngPause");
    EXPECT_EQ(t.text("Form1.bngPause.caption"), "Pause");
    EXPECT_FALSE(t.state().Paused);
}

// A round won while paused leaves the menu reading "Unpause" into the next round; its first click
// then pauses and it keeps reading "Unpause", after which it is in step again.
TEST(RoundControl, UnpauseCarriesOverIntoTheNextRound) {
    Table t;
    playUntilClaimable(t);
    t.ok("click Form1.bngPause");
    t.ok("click Form1.Command1");
    EXPECT_ROUND(t, Round::PlayerWon);
    EXPECT_EQ(t.text("Form1.bngPause.caption"), "Unpause");
    t.ok("click Form1.Bngnext");
    EXPECT_FALSE(t.state().Paused);
    EXPECT_TRUE(t.calling());
    EXPECT_EQ(t.text("Form1.bngPause.caption"), "Unpause");
    t.ok("click Form1.bngPause");
    EXPECT_TRUE(t.state().Paused);
    EXPECT_FALSE(t.calling());
    EXPECT_EQ(t.text("Form1.bngPause.caption"), "Unpause");
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Running);
}

TEST(RoundControl, EndPlayReturnsToIdleAndTheNextPlayStartsTheScoreAfresh) {
    Table t;
    playUntilClaimable(t, {.boards = 1});
    ASSERT_TRUE(t.flag("Form1.Picture2.visible"));
    t.ok("click Form1.Label1[49]");
    t.ok("click Form1.Command1");
    t.ok("click Form1.bngPlay");
    EXPECT_ROUND(t, Round::Idle);
    EXPECT_FALSE(t.flag("Bingomsg.loaded"));
    EXPECT_FALSE(t.flag("frmGamestatus.loaded"));
    EXPECT_FALSE(t.flag("Form1.Image2[49].visible"));
    EXPECT_FALSE(t.flag("Form1.tmrBallrool.enabled"));
    EXPECT_FALSE(t.flag("Form1.lblball.visible"));
    const GameState& s = t.state();
    EXPECT_EQ(s.Balance, 5); // kept until the next Play
    EXPECT_EQ(s.WinCount, 0);
    EXPECT_EQ(s.JackpotLevel, 1);
    t.ok("respond get Form1.lblWins.caption; get state.Balance; click Command1");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok \"0\"", "ok 0", "ok"}));
    EXPECT_ROUND(t, Round::Running);
    EXPECT_EQ(s.Jackpot, 5);
}

TEST(RoundControl, NextGameChargesTheRoundEvenPastZero) {
    Table t;
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    t.ok("click Form1.Bngnext");
    EXPECT_ROUND(t, Round::Running);
    EXPECT_EQ(t.messageBoxes(), (Boxes{{"Next Game", "This Game will cost $5.00"}}));
    const GameState& s = t.state();
    EXPECT_EQ(s.Balance, 0);
    EXPECT_EQ(s.Jackpot, 10);
    EXPECT_EQ(s.CalledCount, 0);
    EXPECT_EQ(t.text("Form1.lblBalance.caption"), "$0");
    EXPECT_FALSE(t.flag("frmGamestatus.loaded"));
    for (int n = 1; n <= 75; ++n)
        EXPECT_EQ(t.number("Bingomsg.lblselctedNums[" + std::to_string(n) + "].forecolor"), Silver);

    // Two computer players cost $10, taken from a balance of 3.
    Table second(3);
    second.play({.opponents = 1});
    second.ok("set state.Balance 3");
    second.callUntilComputerWins();
    EXPECT_ROUND(second, Round::ComputerWon);
    second.ok("click Form1.Bngnext");
    EXPECT_EQ(second.messageBoxes(), (Boxes{{"Next Game", "This Game will cost $10.00"}}));
    EXPECT_EQ(second.state().Balance, -7);
    EXPECT_EQ(second.text("Form1.lblBalance.caption"), "$-7");
    EXPECT_ROUND(second, Round::Running);
    second.nextCall();
    EXPECT_EQ(second.state().CalledCount, 1);
}

TEST(RoundControl, TryAgainFromTheMenuStartsTheMoneyAfresh) {
    Table t;
    t.play({.opponents = 2});
    t.callUntilComputerWins();
    EXPECT_EQ(t.text("Form1.Bngnext.caption"), "&Try Again");
    t.ok("set state.JackpotLevel 4");
    t.ok("set state.Balance -20");
    t.ok("click Form1.Bngnext");
    EXPECT_ROUND(t, Round::Running);
    const GameState& s = t.state();
    EXPECT_EQ(s.Balance, 0);
    EXPECT_EQ(s.JackpotLevel, 1);
    EXPECT_EQ(s.Jackpot, 15);
    EXPECT_EQ(t.text("Form1.lblBalance.caption"), "$0");
    EXPECT_TRUE(t.messageBoxes().empty());
}

TEST(RoundControl, ExitOrClosingTheMainWindowEndsTheProgram) {
    for (const char* end : {"click Form1.bngfileExit", "close Form1"}) {
        Table t;
        t.play();
        t.ok(end);
        EXPECT_TRUE(t.flag("ended"));
        EXPECT_EQ(t("advance 10000"), "error the program has ended");
        EXPECT_EQ(t.state().CalledCount, 0);
    }
}

TEST(RoundControl, MinimisingTheMainWindowCarriesToTheBoard) {
    Table t;
    t.ok("set Form1.window_state 1"); // loads the board without showing it
    EXPECT_TRUE(t.flag("Bingomsg.loaded"));
    EXPECT_FALSE(t.flag("Bingomsg.visible"));
    EXPECT_EQ(t.number("Bingomsg.window_state"), 1);
    t.ok("set Form1.window_state 0");
    EXPECT_EQ(t.number("Bingomsg.window_state"), 0);

    t.play();
    t.ok("set Form1.window_state 2");
    EXPECT_EQ(t.number("Bingomsg.window_state"), 0);
    t.ok("set Form1.window_state 1");
    EXPECT_EQ(t.number("Bingomsg.window_state"), 1);
    t.ok("set Bingomsg.window_state 0"); // restoring the board restores the main window
    EXPECT_EQ(t.number("Form1.window_state"), 0);
}

} // namespace
