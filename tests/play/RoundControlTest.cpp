// The round's life as the main window's menus run it: start-up, Play and the options, Pause,
// End Play, Next game and Try Again, Exit, and the main window's minimising carried to the board.

#include "Play.h"
#include "Samples.h"

#include "ui/Form1.h"

namespace {

using namespace play;

TEST(RoundControl, AFreshStartShowsOnlyTheMenusTheBackgroundAndTheLink) {
    Table t;
    EXPECT_ROUND(t, Round::Idle);
    t.expect({{"Form1.visible", true},
              {"Form1.height", 5745},
              {"Form1.helpgame.visible", false},
              {"Bingomsg.loaded", false},
              {"frmGamestatus.loaded", false},
              {"state.Balance", 0},
              {"state.JackpotLevel", 1},
              {"state.HelpPage", -1}});
    for (const auto& control : t.game().mainWindow().controls()) {
        if (control->kind() == daubery::ControlKind::Menu || control->kind() == daubery::ControlKind::Timer)
            continue;
        bool onScreen = true;
        for (const daubery::Control* c = control.get(); c; c = c->container())
            onScreen = onScreen && c->visible();
        EXPECT_EQ(onScreen, control->name() == "Label2") << control->path();
    }
}

// Start stores the choices before it deals; the first ball waits half the interval and one tick.
TEST(RoundControl, StartDealsTheRoundTheOptionsDescribe) {
    struct Deal {
        Options options; // boards, game type, seconds, opponents as the lists' positions
        int type;
        const char* name;
        int interval, jackpot, claimWidth, windowWidth;
    };
    const Deal deals[] = {{{}, 1, "Regular Bingo", 5000, 5, 3735, 9300},
                          {{1, 6, 2, 5}, 7, "Kite Bingo", 15000, 30, 8775, 9135},
                          {{0, 10, 1, 2}, 11, "Any Bingo", 10000, 15, 3735, 9300}};
    Table t;
    for (const Deal& deal : deals) {
        SCOPED_TRACE(deal.name);
        t.ok("set Form1.window_state 2");
        t.play(deal.options);
        EXPECT_ROUND(t, Round::Running);
        const GameState& s = t.state();
        const bool twoCards = deal.options.boards == 1;
        t.expect({{"state.GameType", deal.type},
                  {"state.GameName", deal.name},
                  {"state.RandomPick", false},
                  {"state.BoardCount", twoCards ? 2 : 1},
                  {"state.PcPlayerCount", deal.options.opponents + 1},
                  {"state.CallInterval", deal.interval},
                  {"state.Jackpot", deal.jackpot},
                  {"state.CalledCount", 0},
                  {"BngOptions.loaded", false},
                  {"Form1.window_state", 0},
                  {"Form1.width", deal.windowWidth},
                  {"Form1.Picture2.visible", twoCards},
                  {"Form1.Command1.width", deal.claimWidth}});
        for (int p = 1; p <= s.PcPlayerCount; ++p) EXPECT_NE(s.PcCardNumbers[p][1], 0) << "no card for " << p;
        for (int i = 1; i <= 48; ++i) {
            const int number = i <= 24 ? s.Card1Numbers[i] : s.Card2Numbers[i - 24];
            EXPECT_NE(number, 0) << "square " << i << " not dealt";
            EXPECT_EQ(t.text("Form1.Label1[" + std::to_string(i) + "].caption"), std::to_string(number));
        }
        t.expect({{"Form1.Label1[49].caption", "Free Space"},
                  {"Form1.Label1[50].caption", "Free Space"},
                  {"Form1.helpgame.visible", true},
                  {"Form1.helpgame.caption", std::string("How to play ") + deal.name},
                  {"Bingomsg.visible", true},
                  {"Bingomsg.lblexplname.caption", deal.name}});
        EXPECT_EQ(t.visibleOf("Bingomsg.lneExample", 12), Samples[deal.options.gameType].lines);
        EXPECT_EQ(t.visibleOf("Bingomsg.shpExample", 24), Samples[deal.options.gameType].circles);

        const int ticks = deal.interval / 50 + 1;
        for (int call = 1; call <= 2; ++call) {
            t.ticks(ticks - 1);
            EXPECT_EQ(s.CalledCount, call - 1);
            t.ticks(1);
            EXPECT_EQ(s.CalledCount, call);
        }
        t.ok("click Form1.bngPlay");
    }
}

// A round won while paused carries "Unpause" into the next one, whose first click then pauses.
TEST(RoundControl, PauseHoldsTheCallerOnlyWhileARoundCanBeClaimed) {
    Table t;
    t.play();
    t.ok("click Form1.bngPause");
    t.ticks(500);
    EXPECT_ROUND(t, Round::Paused);
    t.expect({{"Form1.lblPaused.visible", true}, {"state.CalledCount", 0}});
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Running);
    t.ticks(101);
    t.expect({{"Form1.lblPaused.visible", false}, {"state.CalledCount", 1}});
    t.ok("click Form1.bngPause");
    t.ticks(57);
    t.expect({{"Form1.lblball.visible", true}, {"Form1.tmrBallrool.enabled", false}});
    t.ok("click Form1.bngPause");

    // Between rounds the menu does nothing.
    t.callUntilComputerWins();
    EXPECT_ROUND(t, Round::ComputerWon);
    t.ok("click Form1.bngPause");
    t.expect({{"Form1.bngPause.caption", "Pause"}, {"state.Paused", false}});

    playUntilClaimable(t);
    t.ok("click Form1.bngPause");
    t.ok("click Form1.Command1");
    EXPECT_ROUND(t, Round::PlayerWon);
    t.expect({{"Form1.lblPaused.visible", false}, {"Form1.bngPause.caption", "Unpause"}});
    t.ok("click Form1.Bngnext");
    t.expect({{"Form1.lblPaused.visible", false}, {"state.Paused", false}, {"Form1.Timer1.enabled", true}});
    t.ok("click Form1.bngPause");
    t.expect(
        {{"state.Paused", true}, {"Form1.Timer1.enabled", false}, {"Form1.bngPause.caption", "Unpause"}});
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Running);
    t.ok("click Form1.bngPause");
    t.ok("click Form1.bngPlay");
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));
}

TEST(RoundControl, EndPlayReturnsToIdleAndTheNextPlayStartsTheScoreAfresh) {
    Table t;
    playUntilClaimable(t, {.boards = 1});
    ASSERT_TRUE(t.flag("Form1.Picture2.visible"));
    t.ok("click Form1.Label1[49]");
    t.ok("click Form1.Command1");
    t.ok("click Form1.bngPlay");
    EXPECT_ROUND(t, Round::Idle);
    t.expect({{"Bingomsg.loaded", false},
              {"frmGamestatus.loaded", false},
              {"Form1.Image2[49].visible", false},
              {"Form1.tmrBallrool.enabled", false},
              {"Form1.lblball.visible", false},
              {"state.Balance", 5}, // kept until the next Play
              {"state.WinCount", 0},
              {"state.JackpotLevel", 1}});
    t.ok("respond get Form1.lblWins.caption; get state.Balance; click Command1");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok \"0\"", "ok 0", "ok"}));
    EXPECT_ROUND(t, Round::Running);
    EXPECT_EQ(t.state().Jackpot, 5);
}

// Next game charges $5 against one computer player and $10 against more, even past zero.
TEST(RoundControl, NextGameChargesTheRoundAndTryAgainStartsTheMoneyAfresh) {
    Table t;
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    t.ok("click Form1.Bngnext");
    EXPECT_ROUND(t, Round::Running);
    EXPECT_EQ(t.messageBoxes(), (Boxes{{"Next Game", "This Game will cost $5.00"}}));
    t.expect({{"state.Balance", 0},
              {"state.Jackpot", 10},
              {"state.CalledCount", 0},
              {"Form1.lblBalance.caption", "$0"}});
    for (int n = 1; n <= 75; ++n)
        EXPECT_EQ(t.number("Bingomsg.lblselctedNums[" + std::to_string(n) + "].forecolor"), Silver);

    Table second(3);
    second.play({.opponents = 1});
    second.ok("set state.Balance 3");
    second.callUntilComputerWins();
    second.ok("click Form1.Bngnext");
    EXPECT_EQ(second.messageBoxes(), (Boxes{{"Next Game", "This Game will cost $10.00"}}));
    second.expect({{"state.Balance", -7}, {"Form1.lblBalance.caption", "$-7"}});
    EXPECT_ROUND(second, Round::Running);

    for (const char* tryAgain : {"click Form1.Bngnext", "click frmGamestatus.cmdTryagain"}) {
        SCOPED_TRACE(tryAgain);
        second.ok("click Form1.bngPlay");
        second.play({.opponents = 2});
        second.callUntilComputerWins();
        EXPECT_EQ(second.text("Form1.Bngnext.caption"), "&Try Again");
        second.ok("set state.JackpotLevel 4");
        second.ok("set state.Balance -20");
        second.ok(tryAgain);
        EXPECT_ROUND(second, Round::Running);
        second.expect({{"state.Balance", 0}, {"state.JackpotLevel", 1}, {"state.Jackpot", 15}});
        EXPECT_EQ(second.messageBoxes().size(), 1u);
    }
}

TEST(RoundControl, ExitOrClosingTheMainWindowEndsTheProgram) {
    for (const char* end : {"click Form1.bngfileExit", "close Form1"}) {
        Table t;
        t.play();
        t.ok(end);
        t.expect({{"ended", true}, {"state.CalledCount", 0}});
        EXPECT_EQ(t("advance 10000"), "error the program has ended");
    }
}

TEST(RoundControl, MinimisingTheMainWindowCarriesToTheBoard) {
    Table t;
    t.ok("set Form1.window_state 1"); // loads the board without showing it
    t.expect({{"Bingomsg.loaded", true}, {"Bingomsg.visible", false}, {"Bingomsg.window_state", 1}});
    t.ok("set Form1.window_state 0");
    EXPECT_EQ(t.number("Bingomsg.window_state"), 0);
    t.play();
    t.ok("set Form1.window_state 2"); // maximising the main window leaves the board
    EXPECT_EQ(t.number("Bingomsg.window_state"), 0);
    t.ok("set Form1.window_state 1");
    EXPECT_EQ(t.number("Bingomsg.window_state"), 1);
    t.ok("set Bingomsg.window_state 0"); // restoring the board restores the main window
    EXPECT_EQ(t.number("Form1.window_state"), 0);
}

} // namespace
