// The headless driver that the round tests play through.

#include "Play.h"

#include <fstream>

namespace {

using namespace play;
using Answers = std::vector<std::string>;

TEST(Driver, ActionsAPlayerCouldNotMakeAreIgnored) {
    Table t;
    // Hidden, greyed, in a hidden panel, and in windows not loaded (nor loaded by the click).
    for (const char* line : {"click Form1.Command1", "click Form1.bngPause", "click Form1.Label1[1]",
                             "click Bingomsg.lblQuestion", "close frmGamestatus"})
        t.ignored(line);
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
    EXPECT_EQ(t.texts("responded"),
              (Answers{"ok ignored", "ok false", "ok true", "ok", "error no such list position", "ok"}));
    t.expect({{"BngOptions.loaded", false}, {"frmHelp.loaded", false}});
}

TEST(Driver, RespondersAnswerModalWindowsAndMessageBoxesInTurn) {
    Table t;
    // A modal window with no responder is closed again, as by its title-bar button, and its command fails.
    EXPECT_EQ(t("click Form1.bngPlay"), "error modal window BngOptions shown with no responder queued");
    t.expect({{"BngOptions.loaded", false}, {"Form1.bngPlay.caption", "&Play"}});

    t.ok("respond pick cmbPlayers 1; click Command1");
    t.ok("respond get Form1.Timer1.enabled");
    EXPECT_EQ(t.number("responders"), 2);
    t.ok("respond clear");
    EXPECT_EQ(t.number("responders"), 0);

    // A window opened from a responder takes the next one; the answers of both are kept in the order
    // given, and a window with none left closes with its own closing steps.
    t.ok("respond get Combo1.list_index; click cmdHelp; click Command2");
    t.ok("respond get frmHelp.visible; click Command2");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"), (Answers{"ok 0", "ok true", "ok", "ok", "ok"}));
    t.ok("respond click cmdHelp; get frmHelp.loaded; click Command2");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"),
              (Answers{"error modal window frmHelp shown with no responder queued", "ok false", "ok"}));
    EXPECT_TRUE(t.flag("Form1.bngPlay.enabled"));

    // What a responder asks after its window has closed is not run: no time passes between Start and
    // the rest of Play.
    t.ok("respond click Command1; advance 2525; get state.CalledCount");
    t.ok("click Form1.bngPlay");
    EXPECT_EQ(t.texts("responded"),
              (Answers{"ok", "error BngOptions has closed", "error BngOptions has closed"}));
    EXPECT_EQ(t.state().CalledCount, 0);
    t.ticks(101);
    EXPECT_EQ(t.state().CalledCount, 1);
    t.ok("click Form1.bngPlay");

    // A message box takes the next responder, whose commands run while it is open; with none it is
    // simply answered OK.
    t.play({.opponents = 1});
    t.ok("set state.Balance 50");
    t.callUntilComputerWins();
    t.ok("click frmGamestatus.cmdOK");
    t.ok("respond get Form1.Timer1.enabled; get Form1.bngPlay.reachable; advance 25");
    t.ok("click Form1.Bngnext");
    EXPECT_EQ(t.texts("responded"), (Answers{"ok false", "ok false", "ok"}));
    EXPECT_EQ(t.number("responders"), 0);
    EXPECT_EQ(t.state().Balance, 40);
    t.callUntilComputerWins();
    t.ok("set state.Balance 50");
    t.ok("click frmGamestatus.cmdTryagain");
    EXPECT_EQ(t.messageBoxes().size(), 2u);
    EXPECT_EQ(t.state().Balance, 40);

    // Semicolons inside a quoted text stay in their command, a quoted backslash included.
    t.ok(R"(respond set Form1.Text2.text "a;b\\"; get Form1.Text2.text)");
    t.ok("click Form1.bnghelpabout");
    EXPECT_EQ(t.texts("responded"), (Answers{"ok", R"(ok "a;b\\")"}));
}

// What a bad line could disturb.
std::vector<std::string> fingerprint(Table& t) {
    return readings(t, "clock state.Balance state.BallFrame state.RollStep state.CalledCount "
                       "state.CallElapsed state.PcPlayerCount state.GameType state.HelpPage "
                       "state.CalledNumbers[1] Form1.caption Form1.bngPlay.caption Form1.bngPlay.enabled "
                       "Form1.Timer1.enabled Form1.imgBallroll.top Form1.imgBallroll.picture "
                       "BngOptions.loaded frmHelp.loaded msgboxes responders");
}

TEST(Driver, BadLinesGetOneShortErrorAndChangeNothing) {
    Table t;
    t.play();
    t.nextCall();
    t.nextCall();
    t.ticks(9); // the ball is falling
    const auto before = fingerprint(t);
    const std::string tooLong = "get Form1." + std::string(60000, 'x') + "\r\x01.caption";

    // Each answer, whole or the start of it when the rest quotes the line, with the lines that get it.
    const std::string notCallers = "error the called numbers would not be the caller's";
    const std::pair<std::string, std::vector<std::string>> bad[] = {
        // Nesting too deep to read, numbers as JSON never writes them, and texts that are no UTF-8
        // or hold control characters, a NUL, half a surrogate pair or a "/" written too long.
        {"error set needs a JSON value",
         {"set state.Balance " + std::string(60000, '['),
          "set Form1.caption " + std::string(20, '[') + "1" + std::string(20, ']'), "set state.Balance +5",
          "set state.Balance 00005", "set state.Balance 5.", "set state.Balance 1e999",
          "set Form1.Text2.left 99999999999999999999999", "set Form1.caption \"a\x01\"",
          "set Form1.caption \"a\xff\"", "set Form1.caption \"\xc0\xaf\"", R"(set Form1.caption "\u0000")",
          R"(set Form1.caption "\ud800")"}},
        {"error line too long: 100018 bytes, at most 65536",
         {"set state.Balance " + std::string(100000, '[')}},
        {"error unknown control " + std::string(144, 'x') + "...", {tooLong}},
        // Indexes on a control that is not an array, and negative ones.
        {"error bngPlay is not an array", {"click Form1.bngPlay[0]"}},
        {"error malformed path Form1.bngPlay[-1]", {"click Form1.bngPlay[-1]"}},
        {"error Command1 is not an array", {"get Form1.Command1[2].caption"}},
        {"error no such element -1", {"call Form1.Label1_Click -1"}},
        {"error no such list position", {"pick BngOptions.Combo2 -1"}},
        // Game values the game never holds, alone or beside the rest of the round.
        {"error out of range for BallFrame", {"set state.BallFrame 809"}},
        {"error out of range for CalledCount", {"set state.CalledCount 78"}},
        {"error out of range for CallInterval", {"set state.CallInterval 7"}},
        {"error out of range for PcPlayerCount", {"set state.PcPlayerCount 7"}},
        {"error out of range for GameType", {"set state.GameType 13"}},
        {"error out of range for HelpPage", {"set state.HelpPage 12"}},
        {"error out of range for PcCardNumbers", {"set state.PcCardNumbers[1][1] -5"}},
        {"error out of range for Balance", {"set state.Balance 2147483648"}},
        {"error wrong value for Balance",
         {"set state.Balance \"5\"", "set state.Balance 1e3", "set state.Balance 5.0",
          "set state.Balance -0"}},
        {notCallers,
         {"set state.CalledCount 24", "set state.CalledCount 77", "set state.CalledNumbers[1] 0"}},
        {notCallers, {"set state.CalledNumbers[2] " + std::to_string(t.state().CalledNumbers[1])}},
        {"error advance goes past the end of the clock",
         {"advance 9223372036854775807", "advance 1000000000000000001"}},
        {"error advance needs milliseconds", {"advance -0"}},
        {"error malformed state path", {"get state.CalledNumbers[01]"}},
        {"error no state",
         {"get state.GameType[1]", "get state.PcCardNumbers[1]", "get state.Card1Numbers[1001]"}},
        {"error unknown control a\\xc3(\\x7f\\t", {"get Form1.a\xc3(\x7f\t.caption"}},
        {"error wrong value for picture", {"set Form1.imgBallroll.picture \"ball-with-a-name-too-long\""}},
        // A responder's commands are judged as they are queued.
        {"error unknown control Nowhere", {"respond click Nowhere.x"}},
        {"error malformed path Nothing", {"respond click Command1; click Nothing"}},
        {"error start cannot run inside a responder", {"respond start 3"}},
        {"error respond clear takes nothing after it", {"respond clear extra"}},
    };
    for (const auto& [answer, lines] : bad)
        for (const std::string& line : lines) {
            EXPECT_EQ(t(line).substr(0, answer.size()), answer) << line.substr(0, 60);
            EXPECT_LE(t(line).size(), 200u) << line.substr(0, 60);
            ASSERT_EQ(fingerprint(t), before) << line.substr(0, 60);
        }

    // The same values written properly are taken, and the round plays on to its end.
    t.ok("set state.Balance -5");
    t.ok("set state.BallFrame 12");
    t.ok("set state.CalledNumbers[2] 75");
    t.ok(R"(set Form1.caption "\ud83c\udfb1 Bingo")");
    EXPECT_EQ(t.text("Form1.caption"), "\xf0\x9f\x8e\xb1 Bingo");
    t.ok("advance 1000000000");
    EXPECT_TRUE(t.outcomeShown());
}

TEST(Driver, EveryPropertyItWritesReadsBackAsWritten) {
    play::Table t;
    // clang-format off
    const std::string written[] = {
        "Form1.Command1.enabled false", "Form1.Command1.visible false", "Form1.Label2.caption \"Go\"",
        "Form1.Label2.forecolor 255", "Form1.Label2.backcolor 65280", "Form1.Label2.tooltip \"A tip\"",
        "Form1.Label2.left 15", "Form1.Label2.top 30", "Form1.Label2.width 600", "Form1.Label2.height 300",
        "Form1.imgBallroll.picture \"ball-G-3\"", "Form1.Timer1.interval 50", "Form1.Text2.text \"x\"",
        "Form1.bngOptdotred.value 1", "BngOptions.Combo2.list_index 4", "Form1.caption \"Bingo\"",
        "Bingomsg.visible true", "Bingomsg.visible false", "Form1.width 9000", "Form1.height 6000",
        "Form1.window_state 1"};
    // clang-format on
    for (const std::string& line : written) {
        t.ok("set " + line);
        EXPECT_EQ(t("get " + line.substr(0, line.find(' '))), "ok " + line.substr(line.find(' ') + 1));
    }
}

TEST(Driver, LogsKeepTheirLatestHundred) {
    Table t;
    t.play();
    for (int k = 0; k < 130; ++k) {
        t.ok("call OpenWebSite");
        t.ok("call About");
    }
    for (const char* log : {"msgboxes", "commands"}) {
        const Value shown = t.get(log);
        ASSERT_TRUE(shown.array());
        EXPECT_EQ(shown.array()->size(), 100u) << log;
    }
    EXPECT_EQ(*t.get("commands").array()->back().array()->front().string(), "start https://daubery.org");
}

// Over a pipe every line, however long or empty, gets exactly one answer, in order, the last line too
// when it has no newline.
TEST(Driver, TheProgramAnswersEveryLineOverAPipe) {
    const std::string script = testing::TempDir() + "daubery-script.txt";
    {
        std::ofstream out(script, std::ios::binary);
        out << "start 7\n\n# a note\r\nset state.Balance " << std::string(200000, '[') << "\n";
        out << "respond click Command1\nclick Form1.bngPlay\nadvance 2525\nget state.CalledCount\n"
               "get Bingomsg.lblselctedNums[1].forecolor\nbogus\n";
        for (int k = 0; k < 2000; ++k) out << "get clock\n";
        out << "click Form1.bngfileExit\nget ended";
    }
    const Answers answers = answersOverAPipe(script);
    ASSERT_EQ(answers.size(), 2012u);
    EXPECT_EQ(Answers(answers.begin(), answers.begin() + 10),
              (Answers{"ok\n", "error empty command\n", "ok\n",
                       "error line too long: 200018 bytes, at most 65536\n", "ok\n", "ok\n", "ok\n", "ok 1\n",
                       "ok 12632256\n", "error unknown command bogus\n"}));
    for (std::size_t k = 10; k < 2010; ++k) ASSERT_EQ(answers[k], "ok 2525\n") << k;
    EXPECT_EQ(Answers(answers.end() - 2, answers.end()), (Answers{"ok\n", "ok true\n"}));
}

} // namespace
