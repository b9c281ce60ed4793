// The round held while the help viewer or the about box is open, and only then; the web link.

#include "Dialogs.h"
#include "Words.h"

#include <string>
#include <vector>

namespace {

using play::DialogTable;

const std::string Address = play::words::WebSite;

void expectStillFor(play::Table& t, int ticks) {
    const int called = t.state().CalledCount;
    const long long beeps = t.number("beeps");
    t.ticks(ticks);
    t.expect({{"Form1.Timer1.enabled", false},
              {"Form1.tmrBallrool.enabled", false},
              {"state.CalledCount", called},
              {"beeps", beeps}});
}

TEST(HelpPause, TheRoundWaitsWhileTheHelpIsOpen) {
    for (const char* opener :
         {"click Form1.bngFullhelp", "click Form1.helpgame", "click Bingomsg.lblQuestion",
          "click Bingomsg.lblCoverinfo", "call ShowGameHelp"}) {
        for (bool pausedFirst : {false, true}) {
            for (const char* leave : {"click frmHelp.Command2", "close frmHelp"}) {
                SCOPED_TRACE(std::string(opener) + (pausedFirst ? ", paused first, " : ", ") + leave);
                DialogTable t;
                t.play();
                t.nextCall();
                if (pausedFirst) t.ok("click Form1.bngPause");
                const int called = t.state().CalledCount;
                t.whileOpen([&] {
                    t.expect({{"state.Paused", true},
                              {"Form1.Timer1.enabled", false},
                              {"Form1.bngPause.enabled", false},
                              {"Form1.bngPlay.enabled", false},
                              {"Form1.lblPaused.visible", true}});
                    t.ticks(1000);
                    EXPECT_EQ(t.state().CalledCount, called);
                    t.ok(leave);
                });
                t.ok(opener);
                t.expect({{"frmHelp.loaded", false},
                          {"state.Paused", false},
                          {"Form1.Timer1.enabled", true},
                          {"Form1.bngPause.enabled", true},
                          {"Form1.bngPause.caption", "Pause"},
                          {"Form1.bngPlay.enabled", true},
                          {"Form1.lblPaused.visible", false},
                          {"Bingomsg.lblMsg.caption", "Game has been Unpaused"}});
                t.nextCall();
                EXPECT_EQ(t.state().CalledCount, called + 1);
            }
        }
    }
}

TEST(HelpPause, TheHelpBetweenRoundsStartsNoCaller) {
    const std::string moments[] = {"at start-up", "after a lost round", "after End Play",
                                   "after a paused End Play"};
    for (const std::string opener :
         {"click Form1.bngFullhelp", "click Form1.helpgame", "options dialog Help"}) {
        for (const char* leave : {"click frmHelp.Command2", "close frmHelp"}) {
            DialogTable t(42);
            for (const std::string& moment : moments) {
                SCOPED_TRACE(opener + ", " + leave + ", " + moment);
                const bool lost = moment == "after a lost round";
                if (moment != "at start-up") {
                    if (t.text("Form1.bngPlay.caption") == "&End Play") t.ok("click Form1.bngPlay");
                    t.play();
                    lost ? t.callUntilComputerWins() : t.nextCall();
                    if (moment == "after a paused End Play") t.ok("click Form1.bngPause");
                    t.ok(lost ? "click frmGamestatus.cmdOK" : "click Form1.bngPlay");
                }
                if (opener == "options dialog Help") {
                    if (lost)
                        continue; // after a lost round Play ends the play instead of opening the options
                    t.whileOpen([&] {
                        t.whileOpen([&] { t.ok(leave); });
                        t.ok("click BngOptions.cmdHelp");
                        t.ok("click BngOptions.Command2");
                    });
                    t.ok("click Form1.bngPlay");
                } else if (moment != "at start-up" || opener != "click Form1.helpgame") {
                    t.whileOpen([&] { t.ok(leave); });
                    t.ok(opener);
                }
                t.expect(
                    {{"Form1.bngPlay.enabled", true}, {"state.Paused", moment == "after a paused End Play"}});
                expectStillFor(t, 4000);
                t.expect({{"Form1.imgBallroll.visible", false}, {"frmGamestatus.loaded", false}});
                if (lost) continue;
                EXPECT_FALSE(t.flag("Form1.bngPause.enabled"));
                t.ignored("click Form1.bngPause");
            }
        }
    }
}

// With the outcome dialog closed or still open (the board's question mark).
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
        t.expect({{"Bingomsg.lblMsg.caption", won},
                  {"state.WinCount", 1},
                  {"Form1.Command1.enabled", false},
                  {"frmGamestatus.loaded", throughTheBoard},
                  {"Form1.Bngnext.visible", true},
                  {"Form1.Bngnext.caption", "&Next game"}});
    }
}

TEST(AboutBox, StopsTheCallerOnlyWhileOpen) {
    DialogTable t;
    t.whileBoxOpen([&] { EXPECT_FALSE(t.calling()); });
    t.ok("click Form1.bnghelpabout");
    EXPECT_EQ(t.messageBoxes(),
              (play::Boxes{{"Daubery help", "Daubery 1.0 \n\r\n\rFor more Games and Applications \n\r"
                                            "Visit us at https://daubery.org\r\n\r\n\r\n"}}));
    t.ticks(1000);
    EXPECT_FALSE(t.calling());

    t.play();
    t.nextCall();
    const int called = t.state().CalledCount;
    t.whileBoxOpen([&] {
        EXPECT_FALSE(t.calling());
        t.ticks(1000);
        EXPECT_EQ(t.state().CalledCount, called);
    });
    t.ok("click Form1.bnghelpabout");
    EXPECT_TRUE(t.calling());
    t.nextCall();
    EXPECT_EQ(t.state().CalledCount, called + 1);

    // A paused round stays paused.
    t.ok("click Form1.bngPause");
    t.ok("click Form1.bnghelpabout");
    EXPECT_FALSE(t.calling());
}

TEST(WebLink, TriesTheSecondCommandOnlyAfterTheFirstFailed) {
    DialogTable t;
    const auto& commands = t.driver.platform()->commands;
    using Run = std::vector<std::pair<std::string, int>>;
    t.ok("click Form1.Label2");
    EXPECT_EQ(commands, (Run{{"start " + Address, 0}}));

    t.driver.platform()->failingCommands = {"start"};
    t.ok("click Form1.bngVisit");
    EXPECT_EQ(commands, (Run{{"start " + Address, 0}, {"start " + Address, 0}, {"explorer " + Address, 4}}));
    EXPECT_TRUE(t.messageBoxes().empty());
    t.driver.platform()->failingCommands = {"start", "explorer"};
    t.ok("click Form1.Label2");
    EXPECT_EQ(t.messageBoxes(), (play::Boxes{{"Daubery web site",
                                              "Your browser could not be opened. Visit us at " + Address}}));
    t.driver.platform()->failingCommands.clear();

    t.whileOpen([&] {
        t.ok("click BngOptions.lblVisit");
        t.whileOpen([&] { t.ok("click frmHelp.lblVisit"); });
        t.ok("click BngOptions.cmdHelp");
    });
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(commands.size(), 7u);
    EXPECT_EQ(commands.back(), (std::pair<std::string, int>{"start " + Address, 0}));
    EXPECT_EQ(t.messageBoxes().size(), 1u);
}

} // namespace
