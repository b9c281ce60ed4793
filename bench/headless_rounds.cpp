// How fast whole rounds play with no display: rounds of Regular Bingo against six computer players,
// played through the windows' model on the virtual clock, against the rules alone (dealing, the
// 75 draws and the computer checks after each) as the baseline measured in the same run.
#include "game/Caller.h"
#include "game/Dealing.h"
#include "game/Pcbingos.h"
#include "headless/Driver.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace daubery;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Rounds = 400;

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

int rulesOnly() {
    GameState state;
    Random random([] { return std::uint64_t(0); });
    random.seed(1);
    state.PcPlayerCount = 6;
    state.GameType = 1;
    int calls = 0;
    for (int round = 0; round < Rounds; ++round) {
        dealPlayerCards(state, random);
        DealPcCards(state, random);
        state.CalledCount = 0;
        while (DrawNextNumber(state, random) != NoNumberLeft) {
            ++calls;
            if (runComputerCheck(state)) break;
        }
    }
    return calls;
}

int throughTheWindows() {
    Driver driver;
    driver.execute("start 1");
    driver.execute("respond pick cmbPlayers 5; click Command1");
    driver.execute("click Form1.bngPlay");
    int calls = 0;
    for (int round = 0; round < Rounds; ++round) {
        driver.execute("advance 200000");
        calls += driver.game()->state.CalledCount;
        driver.execute("respond clear");
        driver.execute("click frmGamestatus.cmdTryagain");
    }
    return calls;
}

} // namespace

int main() {
    auto started = Clock::now();
    const int baseCalls = rulesOnly();
    const double base = seconds(started);
    started = Clock::now();
    const int calls = throughTheWindows();
    const double full = seconds(started);
    std::printf("rules alone:        %d rounds, %d calls in %.3f s (%.0f rounds/s)\n", Rounds, baseCalls, base,
                Rounds / base);
    std::printf("through the windows: %d rounds, %d calls in %.3f s (%.0f rounds/s)\n", Rounds, calls, full,
                Rounds / full);
    std::printf("windows / rules, time per call: %.2f\n", (full / calls) / (base / baseCalls));
    return 0;
}
