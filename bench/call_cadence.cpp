// How evenly the real window calls its numbers: the time between two calls of a round on the
// desktop ("5 Seconds", nominally 101 ticks of 25 ms), each gap against a bare 25 ms timer counting
// its own 101 ticks over the same stretch of time, in the same event loop. Several gaps, the median
// ratio and its spread. Run it on a screen (scripts/bench.sh uses Xvfb); it always ends, by its own
// time limit if the round does not go on.
#include "Measure.h"
#include "platform/qt/QtPlatform.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <vector>

using namespace daubery;

namespace {

constexpr int Gaps = 16;
constexpr int TicksPerCall = 101;
constexpr int TimeLimitSeconds = 120;

} // namespace

int main(int argc, char** argv) {
    bench::limitTime(TimeLimitSeconds);
    QApplication application(argc, argv);
    QtPlatform platform;
    Daubery game(platform);
    platform.setWindows(game.windows);
    game.start();

    // Start a round as a player does: Play, then Start in the options dialog once it is open.
    QTimer::singleShot(200, [&game] {
        QTimer::singleShot(300,
                           [&game] { game.windows.userClick(game.optionsDialog().control("Command1")); });
        game.windows.userClick(game.mainWindow().control("bngPlay"));
    });

    // Everything runs in this loop of our own, which no window's closing can end.
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();

    std::vector<double> ratios, gapsMs, bareMs;
    int seen = 0;
    // One pair at a time: a gap from one call to the next, and the bare timer's 101 ticks started at
    // the same call. The next pair starts at the first call after both are measured.
    qint64 pairStart = -1;
    double gap = -1, bareTime = -1;
    int bareTicks = 0;

    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    const auto pairDone = [&] {
        if (gap < 0 || bareTime < 0) return;
        gapsMs.push_back(gap);
        bareMs.push_back(bareTime);
        ratios.push_back(gap / bareTime);
        pairStart = -1;
        if (int(ratios.size()) == Gaps) loop.quit();
    };
    QObject::connect(&bare, &QTimer::timeout, [&] {
        if (++bareTicks < TicksPerCall) return;
        bare.stop();
        bareTime = double(clock.elapsed() - pairStart);
        pairDone();
    });

    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const int called = game.state.CalledCount;
        if (called != seen && called > 0 && called <= 75) {
            seen = called;
            const qint64 now = clock.elapsed();
            if (pairStart < 0) {
                pairStart = now;
                gap = bareTime = -1;
                bareTicks = 0;
                bare.start(25);
            } else if (gap < 0) {
                gap = double(now - pairStart);
                pairDone();
            }
        }
        // A round won by a computer player: the next round, as the outcome dialog offers it. A pair
        // cut short by the round's end is measured again.
        if (!game.mainWindow().control("Timer1").enabled() && game.windows.loaded(frmGamestatus::Name)) {
            seen = 0;
            if (gap < 0) {
                bare.stop();
                pairStart = -1;
            }
            game.windows.userClick(game.outcomeDialog().control("cmdTryagain"));
        }
    });
    watch.start(1);
    loop.exec();

    std::printf("gaps between calls against a bare 25 ms timer's %d ticks, \"5 Seconds\" (nominal %d ms)\n",
                TicksPerCall, TicksPerCall * 25);
    bench::print("time between calls, ms:", gapsMs, "%.1f");
    bench::print("bare timer, 101 ticks, ms:", bareMs, "%.1f");
    bench::print("calls / bare timer:", ratios, "%.4f");
    std::fflush(stdout);
    // Done: the windows need no closing, and nothing of theirs may hold the program up.
    std::_Exit(0);
}
