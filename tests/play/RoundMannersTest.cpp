// A round ends when it ends: no help, pause or claim sets the caller going on an idle table or on a
// decided round, a failed claim leaves the pause honest, the table says when it is paused, and the
// ball's text goes with its ball.

#include "Dialogs.h"

#include <string>
#include <vector>

namespace {

using play::DialogTable;
using play::Round;

// Every way the player can open the help viewer from the main window and the options dialog, each
// closed again with Cancel. The options dialog's Help is reached through Play; its own Cancel then
// closes it too.
const std::vector<std::string> HelpOpeners = {"click Form1.bngFullhelp", "click Form1.helpgame",
                                              "options dialog Help"};

void openAndCloseHelp(DialogTable& t, const std::string& opener) {
    SCOPED_TRACE(opener);
    if (opener == "options dialog Help") {
        t.whileOpen([&] {
            t.whileOpen([&] { t.ok("click frmHelp.Command2"); });
            t.ok("click BngOptions.cmdHelp");
            t.ok("click BngOptions.Command2");
        });
        t.ok("click Form1.bngPlay");
        return;
    }
    t.whileOpen([&] { t.ok("click frmHelp.Command2"); });
    t.ok(opener);
}

// Nothing moves on the table for a long while: no ball is called or falls, no beep, no outcome.
void expectStillFor(play::Table& t, int ticks) {
    const int called = t.state().CalledCount;
    const long long beeps = t.number("beeps");
    t.ticks(ticks);
    EXPECT_FALSE(t.calling());
    EXPECT_FALSE(t.flag("Form1.tmrBallrool.enabled"));
    EXPECT_EQ(t.state().CalledCount, called);
    EXPECT_EQ(t.number("beeps"), beeps);
}

// Pause, End Play, then any help: the table stays idle, Pause stays greyed, and nothing is called.
TEST(RoundManners, HelpAfterEndPlayLeavesTheTableIdle) {
    for (const std::string& opener : HelpOpeners) {
        for (bool pausedFirst : {true, false}) {
            SCOPED_TRACE(opener + (pausedFirst ? ", paused first" : ""));
            DialogTable t(42);
            t.play();
            t.nextCall();
            t.nextCall();
            if (pausedFirst) t.ok("click Form1.bngPause");
            t.ok("click Form1.bngPlay");
            openAndCloseHelp(t, opener);
            EXPECT_ROUND(t, Round::Idle);
            EXPECT_FALSE(t.flag("Form1.bngPause.enabled"));
            EXPECT_TRUE(t.flag("Form1.bngPlay.enabled"));
            expectStillFor(t, 4000);
            EXPECT_FALSE(t.flag("frmGamestatus.loaded"));
            // The Pause menu cannot be used to flip its caption with nothing to pause.
            t.ignored("click Form1.bngPause");
        }
    }
}

// A round the player won while paused stays won: help afterwards, with the outcome dialog closed or
// still open (the board's question mark), does not restart the caller, and no computer wins it too.
TEST(RoundManners, HelpAfterAPausedWinLeavesTheRoundDecided) {
    for (const char* opener :
         {"click Form1.bngFullhelp", "click Form1.helpgame", "click Bingomsg.lblQuestion"}) {
        SCOPED_TRACE(opener);
        play::Table t;
        play::playUntilClaimable(t);
        t.ok("click Form1.bngPause");
        t.ok("click Form1.Command1");
        const std::string won = t.text("Bingomsg.lblMsg.caption");
        ASSERT_EQ(won.rfind("You are a Winner", 0), 0u);
        const bool throughTheBoard = std::string(opener) == "click Bingomsg.lblQuestion";
        if (!throughTheBoard) t.ok("click frmGamestatus.cmdOK");
        t.ok("respond click Command2");
        t.ok(opener);
        EXPECT_FALSE(t.flag("frmHelp.loaded"));
        expectStillFor(t, 12000);
        EXPECT_EQ(t.text("Bingomsg.lblMsg.caption"), won);
        EXPECT_EQ(t.state().WinCount, 1);
        EXPECT_FALSE(t.flag("Form1.Command1.enabled"));
        EXPECT_EQ(t.flag("frmGamestatus.loaded"), throughTheBoard);
        // Next game still follows.
        EXPECT_TRUE(t.flag("Form1.Bngnext.visible"));
        EXPECT_EQ(t.text("Form1.Bngnext.caption"), "&Next game");
    }
}

// A failed claim while paused sets the round going as Unpause would: the menu reads "Pause", and
// the help pauses the round again while it is open.
TEST(RoundManners, AFailedClaimWhilePausedResumesHonestly) {
    DialogTable t;
    t.play();
    t.nextCall();
    t.ok("click Form1.bngPause");
    EXPECT_TRUE(t.flag("Form1.lblPaused.visible"));
    t.ok("click Form1.Command1");
    EXPECT_ROUND(t, Round::Running);
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption").rfind("Sorry, Continue Jackpot is $", 0), 0u);
    t.nextCall();
    EXPECT_EQ(t.state().CalledCount, 2);

    const int called = t.state().CalledCount;
    t.whileOpen([&] {
        EXPECT_TRUE(t.state().Paused);
        t.ticks(1000);
        EXPECT_EQ(t.state().CalledCount, called);
        t.ok("click frmHelp.Command2");
    });
    t.ok("click Form1.bngFullhelp");
    EXPECT_ROUND(t, Round::Running);
    // Pause works at the first click.
    t.ok("click Form1.bngPause");
    EXPECT_ROUND(t, Round::Paused);
}

// The table says "Paused" while the round waits, through the menu or the help, and not otherwise:
// not after resuming, nor once the round is decided or ended.
TEST(RoundManners, ThePausedSignShowsOnlyWhileTheRoundWaits) {
    DialogTable t;
    t.play();
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));
    EXPECT_EQ(t.text("Form1.lblPaused.caption"), "Paused");
    t.ok("click Form1.bngPause");
    EXPECT_TRUE(t.flag("Form1.lblPaused.visible"));
    t.ok("click Form1.bngPause");
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));

    t.whileOpen([&] {
        EXPECT_TRUE(t.flag("Form1.lblPaused.visible"));
        t.ok("click frmHelp.Command2");
    });
    t.ok("click Form1.bngFullhelp");
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));

    t.ok("click Form1.bngPause");
    t.ok("click Form1.bngPlay");
    EXPECT_FALSE(t.flag("Form1.lblPaused.visible"));

    play::Table won;
    play::playUntilClaimable(won);
    won.ok("click Form1.bngPause");
    won.ok("click Form1.Command1");
    EXPECT_FALSE(won.flag("Form1.lblPaused.visible"));
    won.ok("click Form1.Bngnext");
    EXPECT_FALSE(won.flag("Form1.lblPaused.visible"));
}

// A round the player wins after the ball has landed takes the ball and the text it carries out of
// the chute together.
TEST(RoundManners, TheBallsTextGoesWithItsBall) {
    play::Table t;
    play::playUntilClaimable(t);
    t.ticks(60);
    ASSERT_TRUE(t.flag("Form1.lblball.visible"));
    t.ok("click Form1.Command1");
    EXPECT_FALSE(t.flag("Form1.imgBallroll.visible"));
    EXPECT_FALSE(t.flag("Form1.lblball.visible"));
}

// The Dotter Color menu ticks the colour in use, one at a time.
TEST(RoundManners, TheDotterColourMenuTicksTheColourInUse) {
    DialogTable t;
    const std::vector<std::string> items = {"bngOptdotblue", "bngOptdotred", "bngOptdotgreen",
                                            "bngOptdotyellow", "bngOptdotPurple"};
    auto ticked = [&] {
        std::vector<std::string> on;
        for (const std::string& item : items)
            if (t.number("Form1." + item + ".value") == 1) on.push_back(item);
        return on;
    };
    EXPECT_EQ(ticked(), std::vector<std::string>{"bngOptdotblue"});
    t.ok("click Form1.bngOptdotgreen");
    EXPECT_EQ(ticked(), std::vector<std::string>{"bngOptdotgreen"});
    t.ok("click Form1.bngOptdotPurple");
    EXPECT_EQ(ticked(), std::vector<std::string>{"bngOptdotPurple"});
}

// When the browser cannot be opened either way, the player is given the address in a message box;
// when the second way works, no box.
TEST(RoundManners, AWebLinkThatCannotOpenShowsTheAddress) {
    DialogTable t;
    const std::string address(daubery::WebAddress);
    t.driver.platform()->failingCommands = {"start"};
    t.ok("click Form1.Label2");
    EXPECT_TRUE(t.messageBoxes().empty());
    t.driver.platform()->failingCommands = {"start", "explorer"};
    t.ok("click Form1.bngVisit");
    const play::Boxes boxes = t.messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Daubery web site");
    EXPECT_NE(boxes[0].second.find(address), std::string::npos);
}

} // namespace
