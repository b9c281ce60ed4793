// A round ends when it ends: no help, pause or claim sets the caller going on a decided round.

#include "Dialogs.h"

#include <string>
#include <vector>

namespace {

using play::DialogTable;
using play::Round;

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
        ASSERT_EQ(won, "You are a Winner your new balance is $5");
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
        t.expect({{"Form1.Bngnext.visible", true}, {"Form1.Bngnext.caption", "&Next game"}});
    }
}

} // namespace
