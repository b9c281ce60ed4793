// The headless driver that the round tests play through: it reaches only what a player could, its
// responders answer modal windows and message boxes in turn, and the program answers a script over
// a pipe.

#include "Play.h"

#include <fstream>

namespace {

using namespace play;

TEST(Driver, ActionsAPlayerCouldNotMakeAreIgnored) {
    Table t;
    t.ignored("click Form1.Command1");       // hidden
    t.ignored("click Form1.bngPause");       // greyed
    t.ignored("click Form1.Label1[1]");      // in a hidden panel
    t.ignored("click Bingomsg.lblQuestion"); // a window not loaded: and not loaded by the click
    t.ignored("close frmGamestatus");
    EXPECT_FALSE(t.flag("Bingomsg.loaded"));
    t.ok("set Form1.window_state 1"); // loads the board, hidden
    t.ignored("click Bingomsg.lblQuestion");
    t.ignored("click Form1.bngPlay"); // a minimised window
    t.ok("set Form1.window_state 0");
    EXPECT_FALSE(t.flag("Form1.Timer1.reachable"));

    // While the options dialog is open the main window cannot be reached; the dialog's lists can.
    t.ok("respond click Form1.bngFullhelp; get Form1.bngPlay.reachable; get Combo1.reachable; pick Combo1 1;"
         " pick Combo1 2; click Command2");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok ignored", "ok false", "ok true", "ok",
                                                              "error no such list position", "ok"}));
    EXPECT_FALSE(t.flag("BngOptions.loaded"));
    EXPECT_FALSE(t.flag("frmHelp.loaded"));
}

TEST(Driver, RespondersAnswerModalWindowsAndMessageBoxesInTurn) {
    Table t;
    // A modal window with no responder is closed again and its command fails.
    EXPECT_EQ(t("click Form1.bngPlay"), "error modal window BngOptions shown with no responder queued");
    EXPECT_FALSE(t.flag("BngOptions.loaded"));
    EXPECT_EQ(t.text("Form1.bngPlay.caption"), "&Play");

    t.ok("respond pick cmbPlayers 1; click Command1");
    t.ok("respond get Form1.Timer1.enabled");
    t.ok("respond get nothing");
    EXPECT_EQ(t.number("responders"), 3);
    t.ok("respond clear");
    EXPECT_EQ(t.number("responders"), 0);

    // What a responder asks after its window has closed is not run: no time passes between Start and
    // the rest of Play.
    t.ok("respond click Command1; advance 2525; get state.CalledCount");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"),
              (std::vector<std::string>{"ok", "error BngOptions has closed", "error BngOptions has closed"}));
    EXPECT_EQ(t.state().CalledCount, 0);
    t.ticks(101);
    EXPECT_EQ(t.state().CalledCount, 1);
    EXPECT_EQ(t.text("Form1.lblball.caption").substr(1), std::to_string(t.state().CalledNumbers[1]));
    t.ok("click Form1.bngPlay");

    // A message box takes the next responder, whose commands run while it is open; with none it is
    // simply answered OK.
    t.play({.opponents = 1});
    t.ok("set state.Balance 50");
    t.callUntilComputerWins();
    t.ok("click frmGamestatus.cmdOK");
    t.ok("respond get Form1.Timer1.enabled; get Form1.bngPlay.reachable; advance 25");
    t.ok("click Form1.Bngnext");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok false", "ok false", "ok"}));
    EXPECT_EQ(t.number("responders"), 0);
    EXPECT_EQ(t.state().Balance, 40);
    t.callUntilComputerWins();
    t.ok("set state.Balance 50");
    t.ok("click frmGamestatus.cmdTryagain");
    EXPECT_EQ(t.messageBoxes().size(), 2u);
    EXPECT_EQ(t.state().Balance, 40);

    // A responder cannot start a fresh game from inside the window it answers.
    t.ok("respond start 3; get Form1.bngPlay.caption");
    t.ok("click Form1.bnghelpabout");
    EXPECT_EQ(t.texts("responded"),
              (std::vector<std::string>{"error start cannot run inside a responder", R"(ok "&End Play")"}));

    // Semicolons inside a quoted text stay in their command, a quoted backslash included.
    t.ok(R"(respond set Form1.Text2.text "a;b\\"; get Form1.Text2.text)");
    t.ok("click Form1.bnghelpabout");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok", R"(ok "a;b\\")"}));
}

TEST(Driver, TheProgramPlaysOverAPipe) {
    const std::string script = testing::TempDir() + "daubery-script.txt";
    std::ofstream(script) << "start 7\n# a comment\n\nrespond click Command1\nclick Form1.bngPlay\n"
                             "advance 2525\nget state.CalledCount\nget Bingomsg.lblselctedNums[1].forecolor\n"
                             "bogus\nclick Form1.bngfileExit\nget ended\n";
    const std::vector<std::string> lines = answersOverAPipe(script);
    // The comment and the blank line get their answers too: one answer a line.
    EXPECT_EQ(lines, (std::vector<std::string>{"ok\n", "ok\n", "error empty command\n", "ok\n", "ok\n", "ok\n",
                                               "ok 1\n", "ok 12632256\n", "error unknown command bogus\n", "ok\n",
                                               "ok true\n"}));
}

} // namespace
