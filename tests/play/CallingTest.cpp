// The number caller as the player meets it: the cadence of the balls, the falling ball, the board
// lighting up one call behind, the message line, the beep, the caller running out of numbers, and
// daubing the cards.

#include "Play.h"

#include <algorithm>
#include <vector>

namespace {

using namespace play;

const auto square = [](int index) { return "Form1.Label1[" + std::to_string(index) + "]"; };
const auto dot = [](int index) { return "Form1.Image2[" + std::to_string(index) + "]"; };

// A Cover All round against two computer players whose cards both wait for the 75th number: the
// tick after the 75th call counts them all and gives the round to computer player 1.
TEST(Calling, AfterTheSeventyFifthBallTheNextTickEndsTheRound) {
    Table t;
    for (long long seed = 1;; ++seed) {
        ASSERT_LT(seed, 200) << "no round reached the last ball";
        t.ok("start " + std::to_string(seed));
        t.play({.gameType = 2, .opponents = 1});
        while (t.calling() && t.state().CalledCount < 75) t.nextCall();
        if (t.calling()) break;
    }
    const GameState& s = t.state();
    const std::string lastBall = t.text("Form1.lblball.caption");
    const long long beeps = t.number("beeps");

    t.nextCall();
    t.expect({{"Form1.lblball.caption", lastBall},
              {"beeps", beeps + 1},
              {"state.CalledCount", 77},
              {"state.PcWinner", 1}});
    EXPECT_ROUND(t, Round::ComputerWon);
    t.ticks(1000);
    EXPECT_EQ(s.CalledCount, 77);
}

// The board lights each number one call after its ball; every call beeps but the one made while the
// menu offers to switch the sound on.
TEST(Calling, TheBoardLightsEachNumberOneCallAfterTheBallAndEachCallBeeps) {
    Table t;
    t.play();
    const GameState& s = t.state();
    for (int call = 1; call <= 5; ++call) {
        if (call == 3 || call == 4) t.ok("click Form1.bngoptSound");
        t.nextCall();
        EXPECT_EQ(t.number("beeps"), call < 3 ? call : call - 1) << "after call " << call;
        for (int n = 1; n <= 75; ++n) {
            int expected = Silver;
            for (int k = 1; k <= call - 2; ++k)
                if (s.CalledNumbers[k] == n) expected = Yellow;
            if (call >= 2 && s.CalledNumbers[call - 1] == n) expected = Red;
            EXPECT_EQ(t.number("Bingomsg.lblselctedNums[" + std::to_string(n) + "].forecolor"), expected)
                << "number " << n << " after call " << call;
        }
    }
}

TEST(Calling, TheBallFallsInFiftySevenStepsAndKeepsSpinningFromFallToFall) {
    Table t;
    t.play();
    const GameState& s = t.state();
    t.nextCall();
    t.expect({{"Form1.lblball.visible", false}, {"Form1.tmrBallrool.enabled", true}});
    for (int step = 1; step <= 57; ++step) {
        const int frame = s.BallFrame;
        t.ticks(1);
        EXPECT_TRUE(t.flag("Form1.imgBallroll.visible"));
        EXPECT_EQ(t.number("Form1.imgBallroll.top"), 35 * step - 480) << step;
        EXPECT_EQ(t.flag("Form1.lblball.visible"), step == 57) << step;
        // The frames of a ball in its column's colour.
        const std::string ball = std::string("ball-") + "BINGO"[s.CalledColumns[1] - 1] + "-";
        const std::string shown = ball + std::to_string(step < 57 ? frame : 0);
        EXPECT_EQ(t.text("Form1.imgBallroll.picture"), shown) << step;
    }
    t.expect({{"Form1.tmrBallrool.enabled", false}, {"state.RollStep", 0}, {"state.BallFrame", 57 % 13}});
    t.ticks(40);
    EXPECT_EQ(t.number("Form1.imgBallroll.top"), 1515); // resting until the next call

    t.nextCall();
    t.ticks(1);
    EXPECT_EQ(t.number("Form1.imgBallroll.top"), -445);
    EXPECT_EQ(t.text("Form1.imgBallroll.picture"),
              std::string("ball-") + "BINGO"[s.CalledColumns[2] - 1] + "-5");
}

TEST(Calling, OnlyCalledSquaresAndTheFreeSpacesTakeADaub) {
    Table t;
    t.play({.boards = 1});
    const GameState& s = t.state();
    // Before the first call only the free space can be daubed.
    t.ok("click " + square(1));
    EXPECT_FALSE(t.flag(dot(1) + ".visible"));
    for (bool daubed : {true, false}) {
        t.ok("click " + square(50));
        EXPECT_EQ(t.flag(dot(50) + ".visible"), daubed);
    }
    t.ok("click " + square(49));

    for (int call = 0; call < 30; ++call) t.nextCall();
    auto isCalled = [&](int index) {
        const int number = index <= 24 ? s.Card1Numbers[index] : s.Card2Numbers[index - 24];
        for (int k = 1; k <= s.CalledCount; ++k)
            if (s.CalledNumbers[k] == number) return true;
        return false;
    };
    int daubed = 0;
    for (int i = 1; i <= 48; ++i) {
        t.ok("click " + square(i));
        EXPECT_EQ(t.flag(dot(i) + ".visible"), isCalled(i)) << i;
        daubed += isCalled(i);
    }
    ASSERT_GT(daubed, 0);
    ASSERT_LT(daubed, 48);

    // A colour recolours every dot, daubed or not; the daubs stay.
    // The Dotter Color menu ticks the colour in use, one at a time: blue at first.
    auto ticked = [&] {
        std::string on;
        for (const char* item : {"blue", "red", "green", "yellow", "Purple"})
            if (t.number(std::string("Form1.bngOptdot") + item + ".value") == 1) on += item;
        return on;
    };
    EXPECT_EQ(ticked(), "blue");
    for (const std::string colour : {"green", "Purple"}) {
        t.ok("click Form1.bngOptdot" + colour);
        EXPECT_EQ(ticked(), colour);
    }
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(t.text(dot(i) + ".picture"), t.text("Form1.imgDotcolor[4].picture"));
        EXPECT_EQ(t.flag(dot(i) + ".visible"), i == 49 || (i <= 48 && isCalled(i))) << i;
    }

    // The next round keeps the free space's daub and the colour; End Play clears every dot.
    t.callUntilComputerWins();
    std::vector<int> lastRound;
    for (int k = 1; k <= std::min(s.CalledCount, 75); ++k) lastRound.push_back(s.CalledNumbers[k]);
    t.ok("click Form1.Bngnext");
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(t.flag(dot(i) + ".visible"), i == 49) << i;
    EXPECT_EQ(t.text(dot(1) + ".picture"), t.text("Form1.imgDotcolor[4].picture"));

    // Numbers of the last round do not count in this one: after its first ball only that number's
    // squares take a daub, not even one of them left just behind the count.
    t.nextCall();
    t.ok("set state.CalledNumbers[2] " +
         std::to_string(s.Card1Numbers[1] != s.CalledNumbers[1] ? s.Card1Numbers[1] : s.Card1Numbers[2]));
    int fromLastRound = 0;
    for (int i = 1; i <= 48; ++i) {
        const int number = i <= 24 ? s.Card1Numbers[i] : s.Card2Numbers[i - 24];
        fromLastRound += number != s.CalledNumbers[1] &&
                         std::find(lastRound.begin(), lastRound.end(), number) != lastRound.end();
        t.ok("click " + square(i));
        EXPECT_EQ(t.flag(dot(i) + ".visible"), number == s.CalledNumbers[1]) << i;
    }
    ASSERT_GT(fromLastRound, 0);
    t.ok("click Form1.bngPlay");
    for (int i = 1; i <= 50; ++i) EXPECT_FALSE(t.flag(dot(i) + ".visible")) << i;
}

} // namespace
