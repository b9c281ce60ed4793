#pragma once
// Qt widgets that show the controls of a window: each mirrors one control of the model and passes
// the player's clicks back to it.

#include "platform/Control.h"

#include <QAccessible>
#include <QWidget>

namespace daubery {

class Windows;

// The widget that holds a window's controls.
inline constexpr const char* ClientAreaName = "clientArea";

// Twips to Qt's device-independent pixels: 15 twips to a pixel.
int pixels(int twips);
QString displayText(const std::string& text);
QColor qtColour(int rgb);
QFont controlFont(const Control& control);

// Everything a control widget shares: where it is, whether it shows, its tip and cursor.
void syncCommon(QWidget& widget, const Control& control);

// Creates the widget for a control, or nothing for controls that are not drawn (timers, menus).
QWidget* createControlWidget(Control& control, QWidget* parent, Windows& windows);

// The window lets go of its controls: the widget no longer reads its control.
void releaseControlWidget(QWidget& widget);

// Labels of one control array in one panel are one stop for Tab, moved between with the arrow keys.
bool sameKeyboardGroup(const QWidget& one, const QWidget& other);
// Where Tab lands when it reaches the widget's group; the widget itself when it has none.
QWidget* keyboardGroupEntry(QWidget& widget);

// Brings a widget made by createControlWidget up to date with its control.
void syncControlWidget(QWidget& widget, const Control& control);

} // namespace daubery
