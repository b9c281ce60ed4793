#pragma once
// The game on Qt's offscreen platform, for tests that look at what a window shows: its widgets'
// places and the pixels it paints.

#include "GameOnQt.h"
#include "ui/BngOptions.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace daubery::testing {

class OnScreen : public GameOnQt {
protected:
    void SetUp() override { startGame(5); }

    // Where a widget lies in its window's client area.
    QRect placeOf(std::string_view window, QWidget* widget) {
        return {widget->mapTo(this->window(window)->centralWidget(), QPoint(0, 0)), widget->size()};
    }
    // The options dialog as Play opens it; it stays open while `look` runs, then closes with Cancel.
    void withOptions(const std::function<void()>& look) {
        QTimer::singleShot(0, [this, look] {
            look();
            QTest::mouseClick(widget<QPushButton>(BngOptions::Name, "Command2"), Qt::LeftButton);
        });
        menu("bngPlay")->trigger();
    }
    // Play, the game type and number of computer players picked, then Start.
    void startRound(int listPosition, int players) {
        QTimer::singleShot(0, [this, listPosition, players] {
            pick("Combo2", listPosition);
            pick("cmbPlayers", players - 1);
            QTest::mouseClick(widget<QPushButton>(BngOptions::Name, "Command1"), Qt::LeftButton);
        });
        menu("bngPlay")->trigger();
    }
    // A position picked in one of the options dialog's lists, as the player picks it.
    void pick(const std::string& list, int position) {
        auto* box = widget<QComboBox>(BngOptions::Name, list);
        box->setCurrentIndex(position);
        emit box->activated(position);
    }
};

} // namespace daubery::testing
