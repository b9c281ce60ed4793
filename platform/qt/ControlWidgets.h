#pragma once
// Qt widgets that show the controls of a window: each mirrors one control of the model and passes
// the player's clicks back to it.

#include "platform/Control.h"

#include <QWidget>

namespace daubery {

class Windows;

// Twips to Qt's device-independent pixels: 15 twips to a pixel.
int pixels(int twips);
QString displayText(const std::string& text);
QColor qtColour(int rgb);
QFont controlFont(const Control& control);

// Everything a control widget shares: where it is, whether it shows, its tip and cursor.
void syncCommon(QWidget& widget, const Control& control);

// Creates the widget for a control, or nothing for controls that are not drawn (timers, menus).
QWidget* createControlWidget(Control& control, QWidget* parent, Windows& windows);

// Brings a widget made by createControlWidget up to date with its control.
void syncControlWidget(QWidget& widget, const Control& control);

} // namespace daubery
