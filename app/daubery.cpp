// Daubery: 75-ball bingo against computer players.
#include "ui/Daubery.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daubery"));
    daubery::QtPlatform platform;
    daubery::Daubery game(platform);
    platform.setWindows(game.windows);
    game.start();
    return game.windows.ended() ? 0 : QApplication::exec();
}
