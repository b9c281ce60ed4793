// Where the windows open and who has the keyboard, offscreen and under a window manager
// (tests/xvfb/window_manners.sh, which saves screenshots when DAUBERY_SHOTS names a folder).
#include "GameOnQt.h"
#include "ui/BngOptions.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"
#include "ui/frmHelp.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using namespace daubery;

namespace {

class WindowManners : public daubery::testing::GameOnQt {
protected:
    void SetUp() override {
        startGame(5);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main()));
    }

    FormWindow* main() { return window("Form1"); }
    QRect onScreen(std::string_view window, const char* name) {
        QWidget* w = widget(window, name);
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }

    // Play with this many cards, picked once the options dialog is on screen, then Start.
    void play(int cards = 1) {
        QTimer::singleShot(0, [this, cards] {
            ASSERT_NE(window("BngOptions"), nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window("BngOptions")));
            game->windows.userPick(game->optionsDialog().control("Combo1"), cards - 1);
            game->windows.userClick(game->optionsDialog().control("Command1"));
        });
        game->windows.userClick(game->mainWindow().control("bngPlay"));
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

    static void answerTheCostBox() {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
    }

    // A quit asked of the application from outside ends the game at once, as Exit does.
    void quitFromOutside(bool helpOpen) {
        play();
        ASSERT_NE(window("Bingomsg"), nullptr);
        if (helpOpen)
            QTimer::singleShot(
                0, [this] { game->windows.userClick(game->mainWindow().control("bngFullhelp")); });
        QTimer::singleShot(100, [] { QCoreApplication::quit(); });
        QObject giveUp; // a refused quit must not leave the test waiting for ever
        QTimer::singleShot(5000, &giveUp, [] { QCoreApplication::exit(7); });
        EXPECT_EQ(QApplication::exec(), 0) << "the quit was refused";
        EXPECT_TRUE(game->windows.ended());
    }
    // On card 1 rather than on the web link, where Enter would open the browser.
    bool mainHasTheKeyboard() {
        QWidget* card = widget("Form1", "Picture1");
        return QTest::qWaitFor(
            [&] {
                return QApplication::activeWindow() == main() &&
                       card->isAncestorOf(QApplication::focusWidget());
            },
            30000);
    }

    void screenshot(const char* name) {
        const QByteArray folder = qgetenv("DAUBERY_SHOTS");
        if (folder.isEmpty()) return;
        // Waiting lets a window the game has closed go: each is held by a guarded pointer.
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* shown : QApplication::topLevelWidgets()) windows.emplace_back(shown);
        for (const QPointer<QWidget>& shown : windows)
            if (shown && shown->isVisible() && !QTest::qWaitForWindowExposed(shown))
                ADD_FAILURE() << "not shown";
        QCoreApplication::processEvents();
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromUtf8(folder + "/" + name + ".png"));
    }
};

bool hasMinOrMax(const QWidget& w) {
    return (w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) != 0;
}

TEST_F(WindowManners, ModalDialogsOpenOverTheMainWindow) {
    main()->move(30, 40);
    QTest::qWait(50);
    // Clicks the menu; the modal window it opens is centred as near as whole pixels allow.
    auto expectOver = [this](const char* item, const std::function<void(QWidget&)>& close) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << item;
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            seen = true;
            const QPoint offset = dialog->frameGeometry().center() - main()->frameGeometry().center();
            EXPECT_LE(std::max(std::abs(offset.x()), std::abs(offset.y())), 2) << item;
            EXPECT_FALSE(hasMinOrMax(*dialog)) << item;
            close(*dialog);
        });
        game->windows.userClick(game->mainWindow().control(item));
        EXPECT_TRUE(seen) << item;
    };
    expectOver("bngPlay",
               [this](QWidget&) { game->windows.userClick(game->optionsDialog().control("Command1")); });
    expectOver("bngFullhelp",
               [this](QWidget&) { game->windows.userClick(game->helpViewer().control("Command2")); });
    expectOver("bnghelpabout", [](QWidget& shown) {
        auto* box = qobject_cast<QMessageBox*>(&shown);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        box->button(QMessageBox::Ok)->click();
    });
}

TEST_F(WindowManners, TheOutcomeDialogLeavesTheCardsInView) {
    for (int cards : {1, 2}) {
        SCOPED_TRACE(std::to_string(cards) + " cards");
        play(cards);
        winWithTheTopRow();
        FormWindow* outcome = window("frmGamestatus");
        EXPECT_FALSE(hasMinOrMax(*outcome));
        QRect table = onScreen("Form1", "lblbalnce2").united(onScreen("Form1", "lblWins"));
        for (const char* card : {"Picture1", "Picture2"})
            if (widget("Form1", card)->isVisible()) table = table.united(onScreen("Form1", card));
        const QRect dialog = outcome->frameGeometry(), frame = main()->frameGeometry();
        const QRect screen = main()->screen()->availableGeometry();
        if (frame.right() + dialog.width() < screen.right() ||
            frame.left() - dialog.width() > screen.left()) {
            EXPECT_FALSE(dialog.intersects(table)) << "over the cards or the read-outs";
        }
        EXPECT_TRUE(screen.contains(dialog)) << "off the screen";
        screenshot(cards == 1 ? "outcome-one-card" : "outcome-two-cards");
        game->windows.userClick(game->outcomeDialog().control("cmdEndPlay"));
    }
}

TEST_F(WindowManners, TheBoardOpensJustAboveTheMainWindow) {
    const QRect screen = main()->screen()->availableGeometry();
    for (const auto& [at, cards] : {std::pair{QPoint(120, 330), 1}, std::pair{QPoint(40, screen.top()), 2}}) {
        SCOPED_TRACE(std::to_string(at.x()) + "," + std::to_string(at.y()));
        main()->move(at);
        ASSERT_TRUE(QTest::qWaitFor([&] { return main()->frameGeometry().topLeft() == at; }, 30000));
        play(cards);
        FormWindow* board = window("Bingomsg");
        ASSERT_NE(board, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(board));
        const bool room = at.y() - screen.top() >= board->frameGeometry().height();
        auto placed = [&] {
            const QRect b = board->frameGeometry(), m = main()->frameGeometry();
            return b.left() == std::min(m.left(), screen.right() + 1 - b.width()) && screen.contains(b) &&
                   m.topLeft() == at &&
                   (room ? std::abs(m.top() - b.bottom() - 1) <= 2 : b.top() == screen.top());
        };
        EXPECT_TRUE(QTest::qWaitFor(placed, 30000)) << "board misplaced";
        screenshot(room ? "board-above-main" : "board-at-top");
        game->windows.userClick(game->mainWindow().control("bngPlay"));
    }
}

TEST_F(WindowManners, TheMainWindowHasTheKeyboardAfterEveryDeal) {
    play();
    ASSERT_NE(window("Bingomsg"), nullptr);
    EXPECT_TRUE(mainHasTheKeyboard()) << "after Start";

    winWithTheTopRow();
    answerTheCostBox();
    game->windows.userClick(game->outcomeDialog().control("cmdTryagain"));
    EXPECT_TRUE(mainHasTheKeyboard()) << "after the outcome dialog's Next game";

    winWithTheTopRow();
    game->windows.userClick(game->outcomeDialog().control("cmdOK"));
    answerTheCostBox();
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

TEST_F(WindowManners, AQuitRequestEndsARunningRoundLikeExit) {
    quitFromOutside(false);
}
TEST_F(WindowManners, AQuitRequestEndsTheGameWithTheHelpOpen) {
    quitFromOutside(true);
}

TEST_F(WindowManners, APausedRoundSaysSoOnTheTable) {
    play();
    game->windows.runTimersUntil(platform.now() + 2 * 101 * 25 + 57 * 25);
    game->windows.userClick(game->mainWindow().control("bngPause"));
    ASSERT_TRUE(widget("Form1", "lblPaused")->isVisible());
    EXPECT_TRUE(menu("bngOptdotblue")->isChecked());
    screenshot("paused-round");
}

} // namespace
