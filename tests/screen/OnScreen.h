#pragma once
// The game on Qt's offscreen platform, for tests that look at what a window shows: its widgets'
// places and the pixels it paints.

#include "GameOnQt.h"
#include "ui/BngOptions.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace daubery::testing {

class OnScreen : public GameOnQt {
protected:
    void SetUp() override { startGame(5); }

    static std::string element(const std::string& name, int index) {
        return name + "[" + std::to_string(index) + "]";
    }
    // Where a widget lies in its window's client area.
    QRect placeOf(std::string_view window, QWidget* widget) {
        return {widget->mapTo(this->window(window)->centralWidget(), QPoint(0, 0)), widget->size()};
    }
    // The window's client area as painted.
    QImage shot(std::string_view window) {
        QCoreApplication::processEvents();
        return this->window(window)->centralWidget()->grab().toImage();
    }

    // The options dialog as Play opens it, the game type picked in its list; the dialog stays
    // open while `look` runs, then closes with Cancel.
    void withOptions(int listPosition, const std::function<void()>& look) {
        QTimer::singleShot(0, [this, listPosition, look] {
            auto* types = widget<QComboBox>(BngOptions::Name, "Combo2");
            types->setCurrentIndex(listPosition);
            emit types->activated(listPosition);
            look();
            QTest::mouseClick(widget<QPushButton>(BngOptions::Name, "Command2"), Qt::LeftButton);
        });
        playMenu();
    }
    // Play, the game type and number of computer players picked, then Start.
    void startRound(int listPosition, int players = 1) {
        QTimer::singleShot(0, [this, listPosition, players] {
            auto* types = widget<QComboBox>(BngOptions::Name, "Combo2");
            types->setCurrentIndex(listPosition);
            emit types->activated(listPosition);
            auto* opponents = widget<QComboBox>(BngOptions::Name, "cmbPlayers");
            opponents->setCurrentIndex(players - 1);
            emit opponents->activated(players - 1);
            QTest::mouseClick(widget<QPushButton>(BngOptions::Name, "Command1"), Qt::LeftButton);
        });
        playMenu();
    }
    // Beats of the timers until `count` more numbers are called and the last ball has landed,
    // one beat of each timer at a time however long the test itself has taken.
    void calls(int count) {
        auto beat = [this] {
            clock += 25;
            game->windows.runTimersUntil(clock, 0);
        };
        for (int call = 0; call < count; ++call) {
            const int before = game->state.CalledCount;
            for (int tick = 0; tick < 400 && game->state.CalledCount == before; ++tick) beat();
        }
        for (int tick = 0; tick < 57; ++tick) beat();
    }

private:
    void playMenu() {
        auto* play = window("Form1")->findChild<QAction*>(QStringLiteral("bngPlay"));
        play->trigger();
        clock = platform.now();
    }
    std::int64_t clock = 0;
};

inline int luminance(const QColor& c) {
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
}

} // namespace daubery::testing
