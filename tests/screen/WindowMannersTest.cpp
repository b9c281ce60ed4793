// The windows' manners on a screen: dialogs open by the main window, the outcome dialog where the
// cards stay in view, the keyboard back on the main window after every deal, and a quit request
// from outside ending the game. Runs offscreen, and under Xvfb with a window manager
// (tests/xvfb/window_manners.sh), which also has it save screenshots when DAUBERY_SHOTS names a
// folder.
#include "GameOnQt.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"
#include "ui/frmHelp.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace daubery;

namespace {

class WindowManners : public daubery::testing::GameOnQt {
protected:
    void SetUp() override {
        startGame(5);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main()));
    }

    FormWindow* main() { return window("Form1"); }
    // Where a widget of a window lies on the screen.
    QRect onScreen(std::string_view window, const char* name) {
        QWidget* w = widget(window, name);
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }

    // Play, with these steps in the options dialog once it is on screen, then Start.
    void play(const std::function<void()>& inOptions = {}) {
        QTimer::singleShot(0, [this, inOptions] {
            FormWindow* options = window("BngOptions");
            ASSERT_NE(options, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
            if (inOptions) inOptions();
            game->windows.userClick(game->optionsDialog().control("Command1"));
        });
        game->windows.userClick(game->mainWindow().control("bngPlay"));
    }
    void playCards(int cards) {
        play([this, cards] { game->windows.userPick(game->optionsDialog().control("Combo1"), cards - 1); });
    }

    // The player's card 1 has its top row called; B I N G O claims it.
    void winWithTheTopRow() {
        GameState& s = game->state;
        int k = 0;
        for (int cell : {1, 6, 11, 15, 20}) s.CalledNumbers[++k] = s.Card1Numbers[cell];
        s.CalledCount = k;
        QTest::mouseClick(widget("Form1", "Command1"), Qt::LeftButton);
        ASSERT_NE(window("frmGamestatus"), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window("frmGamestatus")));
    }

    // The main window has the keyboard, on card 1 rather than on the web link, where Enter would
    // open the browser.
    bool mainHasTheKeyboard() {
        return QTest::qWaitFor(
            [this] {
                QWidget* card = widget("Form1", "Picture1");
                return QApplication::activeWindow() == main() && card &&
                       card->isAncestorOf(QApplication::focusWidget());
            },
            3000);
    }

    // The whole screen, to a folder named by DAUBERY_SHOTS, to be looked at.
    void screenshot(const char* name) {
        const QByteArray folder = qgetenv("DAUBERY_SHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(300);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromUtf8(folder + "/" + name + ".png"));
    }

    void quitFromOutside(bool helpOpen);
};

// A dialog centred over the main window, as near as whole pixels allow.
void expectCentredOver(const QWidget& dialog, const QWidget& over) {
    SCOPED_TRACE(dialog.objectName().toStdString() + " " + dialog.metaObject()->className());
    const QPoint offset = dialog.frameGeometry().center() - over.frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2) << offset.x();
    EXPECT_LE(std::abs(offset.y()), 2) << offset.y();
}

bool hasMinOrMax(const QWidget& w) {
    return (w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) != 0;
}

// The options dialog, the help viewer and the message boxes open centred over the main window,
// wherever the player has put it, without minimise or maximise buttons; a message box's text can
// be selected.
TEST_F(WindowManners, ModalDialogsOpenOverTheMainWindow) {
    main()->move(30, 40);
    QTest::qWait(50);
    bool seen = false;
    play([&] {
        seen = true;
        expectCentredOver(*window("BngOptions"), *main());
        EXPECT_FALSE(hasMinOrMax(*window("BngOptions")));
    });
    EXPECT_TRUE(seen);

    seen = false;
    QTimer::singleShot(0, [&] {
        FormWindow* help = window("frmHelp");
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        seen = true;
        expectCentredOver(*help, *main());
        EXPECT_FALSE(hasMinOrMax(*help));
        game->windows.userClick(game->helpViewer().control("Command2"));
    });
    game->windows.userClick(game->mainWindow().control("bngFullhelp"));
    EXPECT_TRUE(seen);

    seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
        seen = true;
        expectCentredOver(*box, *main());
        EXPECT_FALSE(hasMinOrMax(*box));
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        box->button(QMessageBox::Ok)->click();
    });
    game->windows.userClick(game->mainWindow().control("bnghelpabout"));
    EXPECT_TRUE(seen);
}

// After a one-card win the outcome dialog lies over the main window's centre strip, clear of the
// card; after a two-card win it lies beside the main window when the screen has room for it.
TEST_F(WindowManners, TheOutcomeDialogLeavesTheCardsInView) {
    playCards(1);
    winWithTheTopRow();
    FormWindow* outcome = window("frmGamestatus");
    EXPECT_FALSE(hasMinOrMax(*outcome));
    const QRect dialog = outcome->frameGeometry(), card = onScreen("Form1", "Picture1");
    EXPECT_FALSE(dialog.intersects(card)) << "over card 1";
    EXPECT_GE(dialog.left(), card.right());
    EXPECT_LE(dialog.right(), main()->frameGeometry().right());
    screenshot("outcome-one-card");

    game->windows.userClick(game->outcomeDialog().control("cmdEndPlay"));
    playCards(2);
    winWithTheTopRow();
    outcome = window("frmGamestatus");
    const QRect both = onScreen("Form1", "Picture1").united(onScreen("Form1", "Picture2"));
    const QRect screen = main()->screen()->availableGeometry();
    const QRect frame = main()->frameGeometry();
    const bool room = frame.right() + outcome->frameGeometry().width() < screen.right() ||
                      frame.left() - outcome->frameGeometry().width() > screen.left();
    if (room) {
        EXPECT_FALSE(outcome->frameGeometry().intersects(both)) << "over the cards";
    }
    EXPECT_TRUE(screen.contains(outcome->frameGeometry()))
        << "off the screen: " << outcome->frameGeometry().x() << "," << outcome->frameGeometry().y() << " "
        << outcome->frameGeometry().width() << "x" << outcome->frameGeometry().height() << " on "
        << screen.width() << "x" << screen.height();
    screenshot("outcome-two-cards");
}

// Start, the menu's Next game, and the outcome dialog's Next game and Try Again all leave the
// keyboard with the main window, though each shows the message board anew.
TEST_F(WindowManners, TheMainWindowHasTheKeyboardAfterEveryDeal) {
    play();
    ASSERT_NE(window("Bingomsg"), nullptr);
    EXPECT_TRUE(mainHasTheKeyboard()) << "after Start";

    winWithTheTopRow();
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    game->windows.userClick(game->outcomeDialog().control("cmdTryagain"));
    EXPECT_EQ(game->state.WinCount, 1);
    EXPECT_TRUE(mainHasTheKeyboard()) << "after the outcome dialog's Next game";

    winWithTheTopRow();
    game->windows.userClick(game->outcomeDialog().control("cmdOK"));
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    game->windows.userClick(game->mainWindow().control("Bngnext"));
    EXPECT_TRUE(mainHasTheKeyboard()) << "after the menu's Next game";

    // A computer wins with the money gone: Try Again.
    game->state.Balance = 0;
    game->windows.runTimersUntil(platform.now() + 80 * 101 * 25);
    ASSERT_NE(window("frmGamestatus"), nullptr);
    ASSERT_EQ(game->mainWindow().control("Bngnext").caption(), "&Try Again");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window("frmGamestatus")));
    game->windows.userClick(game->outcomeDialog().control("cmdTryagain"));
    EXPECT_TRUE(mainHasTheKeyboard()) << "after Try Again";
}

// A quit asked of the application from outside ends the game at once, as Exit does, whatever is
// open: a round with its message board, or the help viewer over it.
void WindowManners::quitFromOutside(bool helpOpen) {
    play();
    ASSERT_NE(window("Bingomsg"), nullptr);
    if (helpOpen)
        QTimer::singleShot(0, [this] { game->windows.userClick(game->mainWindow().control("bngFullhelp")); });
    QTimer::singleShot(100, [] { QCoreApplication::quit(); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the quit was refused";
    EXPECT_TRUE(game->windows.ended());
}

TEST_F(WindowManners, AQuitRequestEndsARunningRoundLikeExit) {
    quitFromOutside(false);
}

TEST_F(WindowManners, AQuitRequestEndsTheGameWithTheHelpOpen) {
    quitFromOutside(true);
}

// While the round waits, the table says so; the Dotter Color menu ticks the colour in use.
TEST_F(WindowManners, APausedRoundSaysSoOnTheTable) {
    play();
    game->windows.runTimersUntil(platform.now() + 2 * 101 * 25 + 57 * 25);
    auto* sign = qobject_cast<QLabel*>(widget("Form1", "lblPaused"));
    ASSERT_NE(sign, nullptr);
    EXPECT_FALSE(sign->isVisible());
    game->windows.userClick(game->mainWindow().control("bngPause"));
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->text(), "Paused");
    // Above the ball's chute, between the cards.
    EXPECT_GT(onScreen("Form1", "lblPaused").left(), onScreen("Form1", "Picture1").right());
    QAction* blue = main()->findChild<QAction*>("bngOptdotblue");
    ASSERT_NE(blue, nullptr);
    EXPECT_TRUE(blue->isChecked());
    screenshot("paused-round");
    game->windows.userClick(game->mainWindow().control("bngPause"));
    EXPECT_FALSE(sign->isVisible());
}

} // namespace

namespace {

// Start narrows the main window for the round; the window keeps the place the player moved it to.
TEST_F(WindowManners, StartLeavesTheMainWindowWhereThePlayerMovedIt) {
    const QPoint moved(40, 300);
    main()->move(moved);
    ASSERT_TRUE(
        QTest::qWaitFor([this, moved] { return (main()->pos() - moved).manhattanLength() <= 4; }, 3000))
        << "the window did not move: " << main()->x() << "," << main()->y();
    const QPoint before = main()->pos();
    play();
    ASSERT_NE(window("Bingomsg"), nullptr);
    QTest::qWait(300); // a window manager moves windows in its own time
    EXPECT_LE(std::abs(main()->x() - before.x()), 3) << main()->x();
    EXPECT_LE(std::abs(main()->y() - before.y()), 3) << main()->y();
    // 9300 twips across, less the frame's 120: 612 pixels of client area.
    EXPECT_EQ(main()->width(), 612);
    screenshot("moved-main-window");
}

} // namespace
