#pragma once
// Which window a dialog of the game belongs to, as the desktop is told.

class QWidget;

namespace daubery {

// Ties a dialog to the main window, so that the window manager keeps it above the main window; on a
// Wayland desktop, to the game as a whole, so that it opens where the game placed it. Call it before
// the dialog is first shown.
void belongTo(QWidget& dialog, const QWidget& main);

} // namespace daubery
