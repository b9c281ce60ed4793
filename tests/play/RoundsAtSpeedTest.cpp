// The headless game runs a timer's quiet ticks together and keeps the message board's window between
// rounds. Neither may show: a round advanced in one long step ends exactly as one advanced a few
// milliseconds at a time, and a board unloaded and loaded again looks like a new one.

#include "Play.h"

namespace {

using namespace play;

// Everything the two timers move or decide, on both windows.
std::vector<std::string> snapshot(Table& t) {
    std::vector<std::string> seen = readings(
        t, "clock beeps state.CallElapsed state.CalledCount state.RollStep state.BallFrame state.PcWinner "
           "state.GameActive Form1.Timer1.enabled Form1.tmrBallrool.enabled Form1.imgBallroll.top "
           "Form1.imgBallroll.picture Form1.imgBallroll.visible Form1.lblball.caption Form1.lblball.visible "
           "Form1.Command1.enabled Bingomsg.lblMsg.caption frmGamestatus.loaded");
    for (int k = 1; k <= 75; ++k)
        seen.push_back(t("get Bingomsg.lblselctedNums[" + std::to_string(k) + "].forecolor"));
    return seen;
}

// The message board's every control and property, as the driver reads them.
std::vector<std::string> board(Table& t) {
    std::vector<std::string> seen;
    const auto read = [&](const std::string& control) {
        for (const char* property : {"caption", "visible", "forecolor", "enabled", "top", "left"})
            seen.push_back(control + " " + t("get Bingomsg." + control + "." + property));
    };
    for (const char* single : {"lblMsg", "lblQuestion", "lblexplname", "lblCoverinfo", "Image1", "Label1"})
        read(single);
    for (int k = 1; k <= 75; ++k) read("lblselctedNums[" + std::to_string(k) + "]");
    for (int k = 0; k < 24; ++k) {
        read("lblExample[" + std::to_string(k) + "]");
        read("shpExample[" + std::to_string(k) + "]");
    }
    for (int k = 0; k < 12; ++k) read("lneExample[" + std::to_string(k) + "]");
    for (const char* property : {"caption", "visible", "window_state", "left", "top", "width", "height"})
        seen.push_back(t(std::string("get Bingomsg.") + property));
    return seen;
}

} // namespace

TEST(RoundsAtSpeed, ALongStepEndsWhereManyShortStepsDo) {
    for (const int gameType : {0, 2, 10}) {
        Table longSteps(11), shortSteps(11);
        const Options options{.boards = 1, .gameType = gameType, .seconds = 0, .opponents = 5};
        longSteps.play(options);
        shortSteps.play(options);
        // Short steps that fall between the ticks, and long ones over many calls and falls.
        for (int checkpoint = 0; checkpoint < 80 && longSteps.flag("frmGamestatus.loaded") == false;
             ++checkpoint) {
            const int step = 3001 + 977 * (checkpoint % 5);
            longSteps.ok("advance " + std::to_string(step));
            for (int done = 0; done < step; done += 7)
                shortSteps.ok("advance " + std::to_string(std::min(7, step - done)));
            ASSERT_EQ(snapshot(longSteps), snapshot(shortSteps))
                << "type " << gameType << " at " << checkpoint;
        }
        EXPECT_TRUE(longSteps.flag("frmGamestatus.loaded")) << "a computer player should have won";
    }
}

TEST(RoundsAtSpeed, TheBoardOfTheNextRoundIsANewBoard) {
    const Options options{.boards = 0, .gameType = 0, .seconds = 0, .opponents = 5};
    Table fresh(5);
    fresh.play(options);
    const auto newBoard = board(fresh);

    Table again(5);
    again.play(options);
    again.callUntilComputerWins(); // the winner's card on the example, numbers coloured
    ASSERT_TRUE(again.outcomeShown());
    again.ok("set Bingomsg.window_state 1");
    again.ok("set Bingomsg.caption \"changed\"");
    again.ok("set Bingomsg.lblQuestion.top 5");
    again.ok("set state.Balance 0");
    again.ok("click frmGamestatus.cmdTryagain");
    EXPECT_EQ(board(again), newBoard);
}
