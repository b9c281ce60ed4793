// Plays a round on the desktop's sound server, as a player would: Play, Start, a few calls with sound
// on, Sound Off from the menu, as many calls more, Sound On again, as many calls more. At every call
// it writes whether sound was on, how many bytes a recording of the server's output held at that
// moment and the game's clock, for tests/sound/calls_heard.sh to find each call's beep.
// Usage: play_calls <recording file> <calls in each of the three runs>
#include "platform/qt/QtPlatform.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QTimer>

#include <sys/stat.h>

#include <cstdio>
#include <string>

using namespace daubery;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <recording file> <calls in each run>\n", argv[0]);
        return 2;
    }
    const std::string recording = argv[1];
    const int calls = std::stoi(argv[2]);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daubery"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daubery.Daubery"));
    QtPlatform platform;
    Daubery game(platform);
    platform.setWindows(game.windows);
    game.start();

    const auto recorded = [&recording] {
        struct stat file {};
        return ::stat(recording.c_str(), &file) == 0 ? static_cast<long long>(file.st_size) : -1LL;
    };
    QTimer::singleShot(0, [&game] {
        QTimer::singleShot(0, [&game] { game.windows.userClick(game.optionsDialog().control("Command1")); });
        game.windows.userClick(game.mainWindow().control("bngPlay"));
    });
    // Looks for a new call every millisecond: the caller's tick has run just before.
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    int seen = 0;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (game.state.CalledCount == seen) return;
        seen = game.state.CalledCount;
        Control& sound = game.mainWindow().control("bngoptSound");
        std::printf("call %s %lld %lld\n", sound.caption() == "&Sound Off" ? "on" : "off", recorded(),
                    static_cast<long long>(platform.now()));
        std::fflush(stdout);
        if (seen == calls || seen == 2 * calls) game.windows.userClick(sound);
        if (seen == 3 * calls) game.windows.end();
    });
    watch.start(1);
    return QApplication::exec();
}
