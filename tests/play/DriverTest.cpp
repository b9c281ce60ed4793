// The headless driver's line protocol: one answer line per command, errors that leave the game as
// it was, actions a player could not make answered "ignored", JSON that survives any text, and the
// responders that answer modal windows and message boxes.

#include "Play.h"

#include <cstdio>
#include <fstream>

namespace {

using namespace play;

// The lines of a script, blank ones left out.
std::vector<std::string> lines(std::string_view script) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        if (end > at) out.emplace_back(script.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// What a command could disturb, read without loading any window.
constexpr std::string_view Watched = R"(clock
beeps
msgboxes
commands
responders
ended
state.CalledCount
state.Balance
state.GameActive
state.Paused
state.CallElapsed
state.GameType
state.PcCardNumbers[1][1]
Form1.bngPlay.caption
Form1.Bngnext.visible
Form1.bnghelp.enabled
Form1.Timer1.enabled
Form1.tmrBallrool.enabled
Form1.caption
Form1.Image2[49].visible
Form1.Text2.left
Bingomsg.loaded
BngOptions.loaded
frmGamestatus.loaded
frmHelp.loaded)";

// Unknown names, malformed paths, wrong values and numbers out of range; one a line.
constexpr std::string_view Mistakes = R"(dance
start
start 1 2
get
get Form2.caption
get Form1.Nope.caption
get Form1.Label1.caption
get Form1.Label1[1.caption
get Form1.Label1[1][2].caption
get Form1..caption
get Form1.Label1[1]
get Form1.Label1[1].colour
get Form1.shape
get state.Nope
get state.CalledNumbers[0]
get state.CalledNumbers[1001]
get state.PcCardNumbers[8][1]
get state.PcCardNumbers[1]
get state.Balance[1]
get frmGamestatus.Nope.caption
get frmGamestatus.lblStatus.colour
get frmGamestatus.shape
get frmGamestatus.lblStatus[x].caption
get Bingomsg.lblselctedNums[76].caption
set Form1.caption 5
set Form1.caption "unclosed
set state.Balance "rich"
set state.Balance 4294967301
set state.CalledNumbers[0] 5
set Form1.Text2.left 4294967301
set frmGamestatus.lblStatus.caption 5
set frmGamestatus.Nope.caption "x"
set BngOptions.shape 1
click Form2.x
click Form1.Nope
click frmGamestatus.Nope
mouse_move BngOptions.Nope
pick Form1.bngPlay 0
pick Form1.bngPlay
pick BngOptions.Combo1 4294967297
close Form2
call Nope
call Form1.Nope_Click
call Form1.Label1_Click 4294967345
call frmGamestatus.Nope_Click
call frmGamestatus.cmdOK_Explode
call frmGamestatus.Form_Fly
call AnnouncePcWin 9
call ShowPcWinningCard
call NewGame 1
call RollBallStep high
call Form1.Command1_Click x
call Form1.Form_Load 3
call Form1.Image2_Click 3
call frmHelp.Label1_Click
advance
advance -25
advance soon
advance 9223372036854775807)";

std::vector<std::string> fingerprint(Table& t) {
    std::vector<std::string> seen;
    for (const std::string& get : lines(Watched)) seen.push_back(t("get " + get));
    return seen;
}

TEST(Driver, ErrorsLeaveTheGameAsItWas) {
    daubery::Driver fresh;
    EXPECT_EQ(fresh.execute("get clock"), "error no game yet: start <seed>");
    EXPECT_EQ(fresh.execute("start seven").rfind("error ", 0), 0u);

    Table t;
    t.play();
    t.nextCall();
    t.ticks(7);
    const auto before = fingerprint(t);
    EXPECT_EQ(t(""), "error empty command");
    for (const std::string& bad : lines(Mistakes)) {
        const std::string answer = t(bad);
        EXPECT_EQ(answer.rfind("error ", 0), 0u) << bad << " -> " << answer;
        EXPECT_EQ(answer.find('\n'), std::string::npos) << bad;
        const auto after = fingerprint(t);
        EXPECT_EQ(after, before) << bad;
        if (after != before) break;
    }
}

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

TEST(Driver, TextsComeBackAsOneLineOfJson) {
    Table t;
    playUntilClaimable(t);
    t.ok("click Form1.Command1");
    EXPECT_EQ(t("get frmGamestatus.lblStatus.caption"), R"(ok "Congradulaton's\n\rYou have B I N G O")");
    const std::string odd = R"("tab\there \"quoted\" back\\slash é \u0001 ; end")";
    t.ok("set Form1.Text2.text " + odd);
    EXPECT_EQ(t("get Form1.Text2.text"), R"(ok "tab\there \"quoted\" back\\slash é \u0001 ; end")");
    EXPECT_EQ(t.text("Form1.Text2.text"), "tab\there \"quoted\" back\\slash é \x01 ; end");
    EXPECT_EQ(t("get state.PcCardNumbers[1][24]"), "ok " + std::to_string(t.state().PcCardNumbers[1][24]));
    EXPECT_EQ(t("get state.GameActive"), "ok false");
    EXPECT_EQ(t("get Form1.Combo9.items").rfind("error", 0), 0u);
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

TEST(Driver, ProceduresCalledByNameDoWhatTheyDoInPlay) {
    Table t;
    t.play({.gameType = 1});
    GameState& s = t.state();
    // Inside a responder the answered window's handlers need no window name.
    t.ok("respond call lblcontents_Click 5; get state.HelpPage; get cmdBack.enabled");
    t.ok("click Form1.bngFullhelp");
    EXPECT_EQ(t.texts("responded"), (std::vector<std::string>{"ok", "ok 4", "ok true"}));

    // Opponent 1's four corners called before the newest number: its check announces the win.
    int position = 0;
    for (int cell : {1, 5, 20, 24})
        t.ok("set state.CalledNumbers[" + std::to_string(++position) + "] " +
             std::to_string(s.PcCardNumbers[1][cell]));
    t.ok("set state.CalledNumbers[5] 0");
    t.ok("set state.CalledCount 5");
    EXPECT_EQ(t("call CheckPcFourCorners"), "ok true");
    EXPECT_FALSE(t.calling());
    EXPECT_TRUE(t.outcomeShown());
    EXPECT_EQ(t.text("Form1.Text1.text"), "Pc's Got Bingo");
    EXPECT_EQ(t.text("Bingomsg.lblMsg.caption").rfind("The Computer Player #1 has won the jackpot.", 0), 0u);
    EXPECT_EQ(t.number("Bingomsg.lblExample[19].forecolor"), Red);
    EXPECT_EQ(t.text("Bingomsg.lblExample[19].caption"), std::to_string(s.PcCardNumbers[1][20]));

    // A name given as a number or as a text holding the number.
    EXPECT_EQ(t("call PcPlayerName 6"), R"(ok "Winning Wanda")");
    EXPECT_EQ(t("call PcPlayerName \"3\""), R"(ok "Money Marcy")");
    EXPECT_EQ(t("call PcPlayerName 9"), R"(ok "")");

    // A step given to the ball is used for that call alone; the ball's own counter stays.
    t.ok("set state.RollStep 12");
    t.ok("call RollBallStep 57");
    EXPECT_EQ(t.number("Form1.imgBallroll.top"), 57 * 35 - 480);
    EXPECT_TRUE(t.flag("Form1.lblball.visible"));
    EXPECT_EQ(s.RollStep, 12);
    t.ok("call RollBallStep");
    EXPECT_EQ(t.number("Form1.imgBallroll.top"), 12 * 35 - 480);

    // The main window's last event ends the program.
    t.ok("call Form1.Form_Terminate");
    EXPECT_TRUE(t.flag("ended"));
}

TEST(Driver, TheProgramPlaysOverAPipe) {
    const std::string script = testing::TempDir() + "daubery-script.txt";
    std::ofstream(script) << "start 7\n# a comment\n\nrespond click Command1\nclick Form1.bngPlay\n"
                             "advance 2525\nget state.CalledCount\nget Bingomsg.lblselctedNums[1].forecolor\n"
                             "bogus\nclick Form1.bngfileExit\nget ended\n";
    FILE* program = popen((std::string(DAUBERY_HEADLESS) + " < " + script).c_str(), "r");
    ASSERT_NE(program, nullptr);
    std::vector<std::string> lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, program)) lines.emplace_back(buffer);
    EXPECT_EQ(pclose(program), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"ok\n", "ok\n", "ok\n", "ok\n", "ok 1\n", "ok 12632256\n",
                                               "error unknown command bogus\n", "ok\n", "ok true\n"}));
}

} // namespace
