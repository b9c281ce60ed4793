#include "DialogOwner.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace daubery {

namespace {

// The game's X11 windows on a Wayland desktop. There the compositor opens a dialog tied to another
// window wherever it likes, far from the cards, and only a window tied to none where it asks to be.
bool onXwayland() {
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland");
}

} // namespace

void belongTo(QWidget& dialog, const QWidget& main) {
    dialog.winId();
    if (!dialog.windowHandle()) return;
    // Tied to no window, a dialog is still one of the game's own, which X11 window managers keep
    // above the game's other windows.
    dialog.windowHandle()->setTransientParent(onXwayland() ? nullptr : main.windowHandle());
}

} // namespace daubery
