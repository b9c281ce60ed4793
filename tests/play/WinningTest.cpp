// Winning and losing rounds: the player's claim and its money, the computer players' wins and
// their messages, the outcome dialog's buttons, and whole games of many rounds.

#include "Dialogs.h"

#include <set>
#include <string>
#include <utility>

namespace {

using namespace play;

// A false claim from a pause ends it as Unpause would, so the help then pauses the round again.
TEST(Winning, AFalseClaimLetsTheBallsComeOnSchedule) {
    DialogTable t;
    t.play({.opponents = 2});
    const GameState& s = t.state();
    t.ticks(50);
    t.ok("click Form1.Command1");
    t.ticks(50);
    EXPECT_EQ(s.CalledCount, 0);
    t.ticks(1);
    EXPECT_EQ(s.CalledCount, 1);

    t.ticks(40);
    t.ok("click Form1.bngPause");
    const int due = t.ticksToNextCall();
    t.ticks(300);
    t.ok("click Form1.Command1");
    EXPECT_ROUND(t, Round::Running);
    t.expect(
        {{"Form1.lblPaused.visible", false}, {"Bingomsg.lblMsg.caption", "Sorry, Continue Jackpot is $15"}});
    t.ticks(due - 1);
    EXPECT_EQ(s.CalledCount, 1);
    t.ticks(1);
    EXPECT_EQ(s.CalledCount, 2);

    t.whileOpen([&] {
        EXPECT_TRUE(s.Paused);
        t.ticks(1000);
        EXPECT_EQ(s.CalledCount, 2);
        t.ok("click frmHelp.Command2");
    });
    t.ok("click Form1.bngFullhelp");
    EXPECT_ROUND(t, Round::Running);
    t.ok("click Form1.bngPause"); // pause works at the first click
    EXPECT_ROUND(t, Round::Paused);
}

// Six computer players until one other than the first wins.
TEST(Winning, AComputerWinIsNamedAndItsCardShown) {
    Table t;
    for (long long seed = 1; t.state().PcWinner < 2; ++seed) {
        ASSERT_LT(seed, 100);
        t.ok("start " + std::to_string(seed));
        t.play({.opponents = 5});
        t.callUntilComputerWins();
    }
    const GameState& s = t.state();
    EXPECT_ROUND(t, Round::ComputerWon);
    const int p = s.PcWinner;
    EXPECT_EQ(t.text("Form1.Text1.text"), "Pc's Got Bingo");

    std::set<int> red;
    for (int k = 1; k <= s.PcWinCellCount; ++k) red.insert(s.PcWinCells[p][k]);
    ASSERT_FALSE(red.empty());
    for (int c = 1; c <= 24; ++c) {
        const std::string label = "Bingomsg.lblExample[" + std::to_string(c - 1) + "]";
        EXPECT_EQ(t.text(label + ".caption"), std::to_string(s.PcCardNumbers[p][c]));
        EXPECT_EQ(t.number(label + ".forecolor") == Red, red.count(c) == 1) << "cell " << c;
    }
    EXPECT_TRUE(t.visibleOf("Bingomsg.shpExample", 24).empty());
    EXPECT_TRUE(t.visibleOf("Bingomsg.lneExample", 12).empty());
}

TEST(Winning, TheOutcomeDialogsButtons) {
    Table t;
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    // OK only closes; the menu's Next game is still offered.
    t.ok("click frmGamestatus.cmdOK");
    t.expect(
        {{"frmGamestatus.loaded", false}, {"Form1.bnghelp.enabled", true}, {"Form1.Bngnext.visible", true}});
    t.ok("click Form1.Bngnext");
    EXPECT_ROUND(t, Round::Running);

    // End Play in the dialog: back to idle, but the win count and the Pause menu stay as they were,
    // so the next Play still shows the win.
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    t.ok("click frmGamestatus.cmdEndPlay");
    t.expect({{"frmGamestatus.loaded", false},
              {"Form1.bnghelp.enabled", true},
              {"Form1.Bngnext.visible", false},
              {"Form1.Picture1.visible", false},
              {"Form1.bngPause.enabled", true},
              {"state.WinCount", 1}});
    t.play();
    EXPECT_EQ(t.text("Form1.lblWins.caption"), "1");
    EXPECT_EQ(t.state().WinCount, 0);

    // End Play when play has already ended only closes the dialog.
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    t.ok("set Form1.bngPlay.caption \"&Play\"");
    t.ok("click frmGamestatus.cmdEndPlay");
    t.expect({{"frmGamestatus.loaded", false},
              {"Form1.Bngnext.visible", true},
              {"Form1.Picture1.visible", true},
              {"Bingomsg.loaded", true}});
}

// Many rounds in a row, the player claiming undaubed whenever the pattern is called.
TEST(Winning, AWholeGameKeepsTheMoneyStraight) {
    Table t(5);
    t.play({.opponents = 5});
    const GameState& s = t.state();
    int balance = 0, level = 1, wins = 0, tryAgains = 0, lost = 0;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(s.Jackpot, 5 * level * 6);
        t.expect({{"Form1.lblBalance.caption", "$" + std::to_string(balance)},
                  {"Bingomsg.lblMsg.caption", "You are playing Regular Bingo, Jackpot is $" +
                                                  std::to_string(s.Jackpot) +
                                                  ". There is 6 players playing against you."}});
        const std::size_t boxes = t.messageBoxes().size();
        if (t.callUntilClaimable()) {
            for (int i = 1; i <= 50; ++i)
                ASSERT_FALSE(t.flag("Form1.Image2[" + std::to_string(i) + "].visible"));
            t.ok("click Form1.Command1");
            balance += 5 * level * 6;
            ++level;
            ++wins;
            EXPECT_ROUND(t, Round::PlayerWon);
            t.ignored("click Form1.Command1");
            t.expect({{"Form1.bnghelp.enabled", false},
                      {"Form1.lblWins.caption", std::to_string(wins)},
                      {"Bingomsg.lblMsg.caption",
                       "You are a Winner your new balance is $" + std::to_string(balance)}});
        } else {
            ++lost;
            EXPECT_ROUND(t, Round::ComputerWon);
        }
        ASSERT_EQ(s.Balance, balance);
        ASSERT_EQ(s.JackpotLevel, level);
        if (balance >= 1) {
            t.ok("click frmGamestatus.cmdTryagain");
            balance -= 10;
            ASSERT_EQ(t.messageBoxes().size(), boxes + 1);
            EXPECT_EQ(t.messageBoxes().back().second, "This Game will cost $10.00");
        } else {
            EXPECT_EQ(t.text("frmGamestatus.cmdTryagain.caption"), "&Try Again");
            t.ok("click frmGamestatus.cmdTryagain");
            balance = 0;
            level = 1;
            ++tryAgains;
            EXPECT_EQ(t.messageBoxes().size(), boxes);
        }
        EXPECT_ROUND(t, Round::Running);
        EXPECT_EQ(s.WinCount, wins);
    }
    EXPECT_GE(wins, 3);
    EXPECT_GE(lost, 3);
    EXPECT_GE(tryAgains, 1);
}

// However the next round starts, its first ball comes the whole half interval and one tick after the deal.
TEST(Winning, TheBallStopsWhenTheRoundEndsAndTheNextRoundWaitsItsFullInterval) {
    auto expectNoBall = [](Table& t) {
        for (int wait : {0, 60}) {
            t.ticks(wait);
            t.expect({{"Form1.imgBallroll.visible", false},
                      {"Form1.lblball.visible", false},
                      {"Form1.tmrBallrool.enabled", false}});
        }
    };
    const std::pair<int, std::string> endings[] = {{0, "click frmGamestatus.cmdTryagain"},
                                                   {20, "click Form1.Bngnext"},
                                                   {60, "end play, then play"},
                                                   {80, "click Form1.Bngnext"}};
    for (const auto& [afterTheCall, start] : endings) {
        SCOPED_TRACE("claimed " + std::to_string(afterTheCall) + " ticks after the call, then " + start);
        Table t;
        playUntilClaimable(t);
        t.ticks(afterTheCall);
        t.ok("click Form1.Command1");
        ASSERT_TRUE(t.outcomeShown());
        expectNoBall(t);
        if (start.rfind("click", 0) == 0) {
            t.ok(start);
        } else {
            t.ok("click Form1.bngPlay");
            t.play();
        }
        ASSERT_TRUE(t.calling());
        t.ticks(100);
        EXPECT_EQ(t.state().CalledCount, 0);
        t.ticks(1);
        EXPECT_EQ(t.state().CalledCount, 1);
    }
    // A computer player wins in the tick that drops the ball.
    Table t;
    t.play();
    t.callUntilComputerWins();
    expectNoBall(t);
}

} // namespace
