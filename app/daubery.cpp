// Daubery: 75-ball bingo against computer players.
#include "ui/Daubery.h"
#include "assets/Pictures.h"
#include "platform/qt/GameFonts.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daubery"));
    // The desktop finds the game's menu entry, and so its name and icon, under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(DAUBERY_APP_ID));
    // The game's icon, painted at a few sizes for the desktop to choose from: the same painter as the
    // icon files of its menu entry.
    QIcon icon;
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(daubery::pictures::icon(pixels)));
    QApplication::setWindowIcon(icon);
    daubery::loadGameFonts();
    daubery::QtPlatform platform;
    daubery::Daubery game(platform);
    platform.setWindows(game.windows);
    game.start();
    return game.windows.ended() ? 0 : QApplication::exec();
}
