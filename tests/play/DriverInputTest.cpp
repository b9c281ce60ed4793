// What the headless driver makes of input it must refuse: lines too long or too deeply nested,
// numbers written oddly, indexes on single controls, game values the game never holds. Each such
// line gets one short error on one line and leaves the game as it was.

#include "Play.h"

#include <fstream>

namespace {

using namespace play;

// What a bad line could disturb.
std::vector<std::string> fingerprint(Table& t) {
    std::vector<std::string> seen;
    for (const char* get :
         {"clock", "state.Balance", "state.BallFrame", "state.RollStep", "state.CalledCount",
          "state.CallInterval", "state.CallElapsed", "state.PcPlayerCount", "state.GameType",
          "state.HelpPage", "state.CalledNumbers[1]", "Form1.bngPlay.caption", "Form1.bngPlay.enabled",
          "Form1.Timer1.enabled", "Form1.imgBallroll.top", "Form1.imgBallroll.picture", "BngOptions.loaded",
          "frmHelp.loaded", "msgboxes"})
        seen.push_back(t(std::string("get ") + get));
    return seen;
}

bool readable(const std::string& answer) {
    for (const char c : answer)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return answer.size() <= 200;
}

} // namespace

TEST(DriverInput, BadLinesGetOneShortErrorAndChangeNothing) {
    Table t;
    t.play();
    t.nextCall();
    t.ticks(9); // the ball is falling
    const auto before = fingerprint(t);

    const std::vector<std::string> bad = {
        // Nesting: too deep to read, and a line too long to take at all.
        "set state.Balance " + std::string(60000, '['),
        "set state.Balance " + std::string(100000, '['),
        "set Form1.caption " + std::string(20, '[') + "1" + std::string(20, ']'),
        // Indexes on a control that is not an array, and negative ones.
        "click Form1.bngPlay[-1]",
        "click Form1.bngPlay[0]",
        "get Form1.Command1[2].caption",
        "call Form1.Command1_Click -1",
        "call Form1.Label1_Click -1",
        // Game values the game never holds.
        "set state.BallFrame 809",
        "set state.BallFrame -1",
        "set state.CalledCount 2147483647",
        "set state.CalledCount 78",
        "set state.RollStep -3",
        "set state.CallInterval 7",
        "set state.PcPlayerCount 7",
        "set state.GameType 13",
        "set state.CalledNumbers[1] 76",
        "set state.PcCardNumbers[1][1] -5",
        "set state.HelpPage 12",
        // Numbers as JSON never writes them.
        "set state.Balance +5",
        "set state.Balance 00005",
        "set state.Balance 5.",
        "set state.Balance 1e999",
        "advance +5",
        "advance 00025",
        "get state.CalledNumbers[01]",
        "get state.CalledNumbers[+1]",
        "set Form1.Text2.left 99999999999999999999999",
        // No picture has a name this long.
        "set Form1.imgBallroll.picture \"ball-with-a-name-too-long\"",
    };
    for (const std::string& line : bad) {
        const std::string answer = t(line);
        EXPECT_EQ(answer.rfind("error ", 0), 0u) << line.substr(0, 60) << " -> " << answer.substr(0, 200);
        EXPECT_TRUE(readable(answer)) << line.substr(0, 60) << " -> " << answer.substr(0, 200);
        ASSERT_EQ(fingerprint(t), before) << line.substr(0, 60);
    }
    EXPECT_EQ(t("click Form1.bngPlay[0]"), "error bngPlay is not an array");

    // The game plays on: the same values, written properly, are taken.
    t.ok("set state.Balance 5");
    t.ok("set state.Balance -5");
    t.ok("set state.BallFrame 12");
    t.ok("set state.CalledNumbers[1] 75");
    t.ok("set state.CalledNumbers[1] " + std::to_string(t.number("state.CalledNumbers[1]")));
    t.ok("advance 0");
    t.ok("set Form1.imgBallroll.picture \"help-four-corners\"");
    EXPECT_EQ(t.text("Form1.imgBallroll.picture"), "help-four-corners");
}

TEST(DriverInput, AnErrorShowsALongOrOddInputShortAndOnOneLine) {
    Table t;
    const std::string huge = "get Form1." + std::string(60000, 'x') + "\r\x01.caption";
    const std::string answer = t(huge);
    EXPECT_EQ(answer.rfind("error unknown control xxxx", 0), 0u) << answer.substr(0, 80);
    EXPECT_TRUE(readable(answer)) << answer;
    EXPECT_EQ(answer.substr(answer.size() - 3), "...");

    // Control characters are written out, not passed on.
    EXPECT_EQ(t("get Form1.a\x01\x7f.caption"), "error unknown control a\\x01\\x7f");
    EXPECT_EQ(t("get Form1.a\tb.caption").find('\t'), std::string::npos);

    // A line beyond the limit is refused whole, by its length.
    const std::string over(daubery::Driver::MaxLineLength + 1, 'a');
    EXPECT_EQ(t(over), "error line too long: 65537 bytes, at most 65536");
}

TEST(DriverInput, MessageBoxesAndCommandsKeepTheirLatestHundred) {
    Table t;
    t.play();
    for (int k = 0; k < 130; ++k) {
        t.ok("call OpenWebSite");
        t.ok("call About");
    }
    const auto boxes = t.get("msgboxes");
    ASSERT_TRUE(boxes.array());
    EXPECT_EQ(boxes.array()->size(), 100u);
    const auto commands = t.get("commands");
    ASSERT_TRUE(commands.array());
    EXPECT_EQ(commands.array()->size(), 100u);
    EXPECT_EQ(*commands.array()->back().array()->front().string(), "start https://daubery.org");
}

// Over a pipe: every line, however long or empty, gets exactly one answer, in order, the last line
// too when it has no newline.
TEST(DriverInput, EveryLineOverThePipeGetsOneAnswerInOrder) {
    const std::string script = testing::TempDir() + "daubery-input.txt";
    {
        std::ofstream out(script, std::ios::binary);
        out << "start 3\n\n# a note\r\n";
        out << "set state.Balance " << std::string(200000, '[') << "\n";
        out << "set state.Balance 9\r\n";
        out << "click Form1.bngPlay[-1]\n";
        for (int k = 0; k < 2000; ++k) out << "get state.Balance\n";
        out << "get clock";
    }
    const std::vector<std::string> answers = answersOverAPipe(script);
    ASSERT_EQ(answers.size(), 2007u);
    EXPECT_EQ(answers[0], "ok\n");
    EXPECT_EQ(answers[1], "error empty command\n");
    EXPECT_EQ(answers[2], "ok\n");
    EXPECT_EQ(answers[3], "error line too long: 200018 bytes, at most 65536\n");
    EXPECT_EQ(answers[4], "ok\n");
    EXPECT_EQ(answers[5], "error malformed path Form1.bngPlay[-1]\n");
    for (std::size_t k = 6; k < 2006; ++k) ASSERT_EQ(answers[k], "ok 9\n") << k;
    EXPECT_EQ(answers[2006], "ok 0\n");
}
