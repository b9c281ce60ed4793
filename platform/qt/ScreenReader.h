#pragma once
// What a player who cannot see the screen must hear at once, wherever the keyboard is: a call, the
// claim's answer, a computer's win, the pause. Each window keeps a status line no one sees, whose one
// notification a screen reader speaks every time it is shown anew, without taking the keyboard.

#include <QAccessible>
#include <QString>

class QWidget;

namespace daubery {

// Tells the news through the window's status line, made the first time it is needed.
void tellNews(QWidget& window, const QString& text);

// Tells the desktop's screen reader of a change the game makes: news, a daub's name and state.
void tellAccessibility(QAccessibleEvent& event);
// Those changes are handed to the listener too, whether or not a screen reader is running; the
// offscreen desktop has none.
void listenToAccessibleEvents(QAccessible::UpdateHandler listener);

// Keeps from the screen reader what it would only have to sift: a window being built or taken down
// changes a hundred labels at once, and the calls told meanwhile would wait behind them for seconds.
void keepScreenReaderEventsFew();

} // namespace daubery
