#pragma once
// The game on Qt widgets with keys sent where the keyboard is and its clock moved call by call.

#include "GameOnQt.h"

#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

namespace screen {

// Ticks from one call to the next at 5 seconds between balls, and of a whole fall of the ball.
inline constexpr int TicksPerCall = 101, TicksPerFall = 57, TickMs = 25;
// Longest a key may take to arrive: a screen reader that sees every key first answers within the
// desktop bus's 25 seconds.
inline constexpr int KeyWaitMs = 30000;

// The square of card 1 for the column and row 1..5 (B..O, top row first): the cells go down the
// columns, the N column skipping the free space, which is square 49.
inline int cardOneSquare(int column, int row) {
    if (column == 3 && row == 3) return 49;
    if (column <= 2) return (column - 1) * 5 + row;
    if (column == 3) return 10 + (row < 3 ? row : row - 1);
    return 14 + (column - 4) * 5 + row;
}

struct Place {
    int column, row;
};

inline std::optional<Place> placeOfSquare(const std::string& name) {
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row)
            if (name == "Label1[" + std::to_string(cardOneSquare(column, row)) + "]")
                return Place{column, row};
    return std::nullopt;
}

class ScreenGame : public daubery::testing::GameOnQt {
protected:
    void start(std::uint64_t seed) {
        startGame(seed, true);
        EXPECT_TRUE(takesKeyboard(window("Form1")));
        clock = platform.now();
    }

    // The widget the keyboard is on, and its name: "Label1[7]", "cmdOK".
    static QWidget* focused() { return QApplication::focusWidget(); }
    static std::string focusedName() {
        QWidget* on = focused();
        return on ? on->objectName().toStdString() : "<nothing>";
    }
    // A key as the player presses it: to an open menu, the widget with the keyboard, or else the
    // active window.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = focused() ? focused() : QApplication::activeWindow();
        ASSERT_NE(target, nullptr) << "no window has the keyboard";
        QTest::keyClick(target, key, modifiers);
    }

    // A key, and the widget it leaves the keyboard on.
    static void pressTo(Qt::Key key, const std::string& to,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        press(key, modifiers);
        EXPECT_EQ(focusedName(), to);
    }

    // Walks the keyboard over card 1 to the square with the arrow keys.
    static void arrowTo(Place to) {
        for (int step = 0; step < 12; ++step) {
            const auto at = placeOfSquare(focusedName());
            ASSERT_TRUE(at) << "the keyboard left card 1 for " << focusedName();
            if (at->column == to.column && at->row == to.row) return;
            const std::string from = focusedName();
            if (at->column != to.column)
                press(at->column < to.column ? Qt::Key_Right : Qt::Key_Left);
            else
                press(at->row < to.row ? Qt::Key_Down : Qt::Key_Up);
            // A screen reader may hold a key back until it has seen it.
            if (!QTest::qWaitFor([&from] { return focusedName() != from; }, KeyWaitMs)) break;
        }
        FAIL() << "the arrow keys did not reach the square";
    }

    static void expectTabStops(std::initializer_list<const char*> stops) {
        for (const char* next : stops) pressTo(Qt::Key_Tab, next);
    }

    // Waits until the window has the keyboard. (A dialog is not told active by its owner having it.)
    static bool takesKeyboard(QWidget* shown) {
        return shown && QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }, 2000);
    }

    // Lets the desktop deliver what it has queued: windows shown and activated.
    static void settle() { QTest::qWait(30); }
    static std::string activeWindow() {
        QWidget* active = QApplication::activeWindow();
        return active ? active->objectName().toStdString() : "<none>";
    }

    // A number as the game says it, with its column's letter: "G 52".
    static std::string spokenAs(int number) {
        return std::string(1, "BINGO"[(number - 1) / 15]) + " " + std::to_string(number);
    }
    bool called(int number) const {
        for (int k = 1; k <= game->state.CalledCount && k <= 75; ++k)
            if (game->state.CalledNumbers[k] == number) return true;
        return false;
    }

    void runTicks(int ticks) {
        clock = std::max(clock, platform.now()) + std::int64_t(ticks) * TickMs;
        game->windows.runTimersUntil(clock);
    }
    // Runs the timers until the next number is called, or the caller has stopped.
    void nextCall() {
        const int before = game->state.CalledCount;
        for (int tick = 0; tick < 4 * TicksPerCall && game->state.CalledCount == before; ++tick) runTicks(1);
    }

    // Play from the menu bar's access key, and Start with Enter as the options dialog opens.
    void playWithKeys() {
        inModal("BngOptions", [] { press(Qt::Key_Return); });
        press(Qt::Key_P, Qt::AltModifier);
        settle();
    }
    // The keys, in a modal window the next key opens, once it has the keyboard.
    void inModal(std::string_view name, std::function<void()> keys) {
        QTimer::singleShot(0, [this, name, keys = std::move(keys)] {
            daubery::FormWindow* opened = game ? window(name) : nullptr;
            ASSERT_NE(opened, nullptr) << name << " did not open";
            ASSERT_TRUE(takesKeyboard(opened)) << name;
            keys();
            // Keys that failed to close the window must not leave the test waiting on it for ever.
            if (daubery::Form* left = game->windows.loaded(name); left && left->modal()) {
                ADD_FAILURE() << name << " is still open after its keys";
                game->windows.unload(*left);
            }
        });
    }

    std::int64_t clock = 0;
};

} // namespace screen
