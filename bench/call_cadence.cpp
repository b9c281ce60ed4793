// How evenly the real window calls its numbers: the mean time between calls of a round on the
// desktop, against the nominal 2.525 s of "5 Seconds", and against a bare 25 ms timer's 101 ticks
// measured in the same run. Run it on a screen (scripts/bench.sh uses Xvfb).
#include "platform/qt/QtPlatform.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <vector>

using namespace daubery;

namespace {

constexpr int Calls = 11; // ten gaps between calls
constexpr double NominalMs = 101 * 25.0;

// A bare repeating 25 ms timer: how long its 101 ticks take on this machine.
double bareTimerMs() {
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 101 * 3) loop.quit();
    });
    clock.start();
    timer.start(25);
    loop.exec();
    return double(clock.elapsed()) / 3.0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const double bareMs = bareTimerMs();

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

    std::vector<qint64> callTimes;
    QElapsedTimer clock;
    clock.start();
    int seen = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (game.state.CalledCount > seen) {
            seen = game.state.CalledCount;
            callTimes.push_back(clock.elapsed());
            if (int(callTimes.size()) == Calls) QApplication::quit();
        }
    });
    watch.start(1);
    QApplication::exec();

    if (int(callTimes.size()) < Calls) {
        std::printf("the round stopped after %d calls\n", int(callTimes.size()));
        return 1;
    }
    const double meanMs = double(callTimes.back() - callTimes.front()) / double(Calls - 1);
    std::printf("mean time between calls: %.1f ms over %d gaps (nominal %.0f ms)\n", meanMs, Calls - 1,
                NominalMs);
    std::printf("calls / nominal:         %.4f\n", meanMs / NominalMs);
    std::printf("bare 25 ms timer, 101 ticks: %.1f ms, ratio to nominal %.4f\n", bareMs, bareMs / NominalMs);
    std::printf("calls / bare timer:      %.4f\n", meanMs / bareMs);
    return 0;
}
