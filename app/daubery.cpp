// Daubery: 75-ball bingo against computer players.
#include "ui/Daubery.h"
#include "assets/Pictures.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daubery"));
    // The game's icon is its ball at rest, painted at a few sizes for the desktop to choose from.
    QIcon icon;
    for (qreal scale : {1.0, 2.0, 4.0})
        icon.addPixmap(QPixmap::fromImage(daubery::pictures::image("ball-0", scale)));
    QApplication::setWindowIcon(icon);
    daubery::QtPlatform platform;
    daubery::Daubery game(platform);
    platform.setWindows(game.windows);
    game.start();
    return game.windows.ended() ? 0 : QApplication::exec();
}
