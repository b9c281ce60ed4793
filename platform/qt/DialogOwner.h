#pragma once
// Which window a dialog of the game belongs to, as the desktop is told.

class QWidget;

namespace daubery {

// Ties a dialog to the main window, so the window manager keeps it above the main window, where the
// desktop then leaves it where the game placed it. Call it before the dialog is shown.
void belongTo(QWidget& dialog, const QWidget& main);

} // namespace daubery
