// Daubery: 75-ball bingo against computer players.
#include "ui/Daubery.h"
#include "assets/Pictures.h"
#include "platform/qt/GameFonts.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace {

// The game places its windows, the message board just above the cards and the dialogs over them; a
// Wayland desktop lets no program do that, so there the game takes its X11 window through the
// desktop's Xwayland, unless the player chose a window system.
bool preferX11OnWayland() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return false;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qgetenv("XDG_SESSION_TYPE") != "wayland")
        return false;
    // Where no X server answers, Wayland after all.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool chose = preferX11OnWayland();
    QApplication application(argc, argv);
    // The browser the web link opens chooses its window system for itself.
    if (chose) qunsetenv("QT_QPA_PLATFORM");
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
