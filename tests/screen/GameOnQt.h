#pragma once
// The game on Qt widgets for a test, started with a seed, its windows, menus and widgets by name.

#include "platform/qt/FormWindow.h"
#include "platform/qt/QtPlatform.h"
#include "ui/Daubery.h"

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace daubery::testing {

template <class Platform = QtPlatform> class GameOn : public ::testing::Test {
protected:
    // On a fixed clock a seed deals the same round however long the test takes.
    void startGame(std::uint64_t seed, bool fixedClock = false) {
        game = std::make_unique<Daubery>(platform);
        platform.setWindows(game->windows);
        if (fixedClock) game->rnd.setClock([] { return std::uint64_t(1234); });
        game->rnd.seed(seed);
        game->start();
    }
    void TearDown() override {
        QCoreApplication::processEvents();
        game.reset();
        QCoreApplication::processEvents();
    }

    FormWindow* window(std::string_view name) {
        Form* form = game->windows.loaded(name);
        return form ? platform.window(*form) : nullptr;
    }
    QAction* menu(std::string_view name) {
        return window("Form1")->template findChild<QAction*>(
            QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    template <class W = QWidget> W* widget(std::string_view window, const std::string& name) {
        FormWindow* shown = this->window(window);
        return shown ? shown->findChild<W*>(QString::fromStdString(name)) : nullptr;
    }

    Platform platform;
    std::unique_ptr<Daubery> game;
};
using GameOnQt = GameOn<>;

} // namespace daubery::testing
