// The game's windows as real widgets: the menu bar as the player reads it, and a round played by
// triggering menus and pressing buttons the way the desktop delivers them.
#include "GameOnQt.h"
#include "game/Patterns.h"
#include "ui/Bingomsg.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace daubery;

namespace {

class Desktop : public daubery::testing::GameOnQt {
protected:
    void SetUp() override { startGame(11); }

    // Play, then Start as soon as the options dialog is on screen.
    void playWithDefaults() {
        QTimer::singleShot(0, [this] {
            ASSERT_NE(window("BngOptions"), nullptr);
            EXPECT_TRUE(window("BngOptions")->isVisible());
            QTest::mouseClick(widget<QPushButton>("BngOptions", "Command1"), Qt::LeftButton);
        });
        menu("bngPlay")->trigger();
    }
};

TEST_F(Desktop, PlayStartsARoundAndEndPlayClearsTheTable) {
    playWithDefaults();
    EXPECT_EQ(window("BngOptions"), nullptr);
    ASSERT_NE(window("Bingomsg"), nullptr);
    EXPECT_TRUE(window("Bingomsg")->isVisible());
    EXPECT_EQ(window("Bingomsg")->windowTitle(), "Daubery message board");
    EXPECT_EQ(menu("bngPlay")->text(), "&End Play");
    EXPECT_TRUE(menu("helpgame")->isVisible());
    EXPECT_EQ(menu("helpgame")->text(), "&How to play Regular Bingo");
    EXPECT_TRUE(menu("bngPause")->isEnabled());
    EXPECT_TRUE(widget("Form1", "Picture1")->isVisible());
    EXPECT_FALSE(widget("Form1", "Picture2")->isVisible());
    EXPECT_EQ(widget<QLabel>("Form1", "Label1[1]")->text().toStdString(),
              std::to_string(game->state.Card1Numbers[1]));
    EXPECT_EQ(widget<QLabel>("Form1", "Label1[49]")->text(), "Free Space");
    EXPECT_EQ(widget<QPushButton>("Form1", "Command1")->text(), "B I N G O");
    EXPECT_EQ(widget<QLabel>("Form1", "lblBalance")->text(), "$0");

    menu("bngPlay")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&Play");
    EXPECT_FALSE(widget("Form1", "Picture1")->isVisible());
    EXPECT_FALSE(widget("Form1", "Command1")->isVisible());
    EXPECT_FALSE(menu("bngPause")->isEnabled());
}

TEST_F(Desktop, TheBallLandsWithItsTextAndAClickDaubsACalledSquare) {
    playWithDefaults();
    // Let the caller's ticks of the first call and the whole fall come due at once.
    game->windows.runTimersUntil(platform.now() + 101 * 25 + 57 * 25);
    const int called = game->state.CalledNumbers[1];
    EXPECT_EQ(game->state.CalledCount, 1);
    QLabel* ballText = widget<QLabel>("Form1", "lblball");
    EXPECT_TRUE(ballText->isVisible());
    EXPECT_EQ(ballText->text().toStdString(),
              std::string(1, columnLetter(columnOfNumber(called))) + std::to_string(called));

    // The free space daubs with a click, anywhere on it, before or after calls.
    QTest::mouseClick(widget("Form1", "Label1[49]"), Qt::LeftButton);
    EXPECT_TRUE(widget("Form1", "Image2[49]")->isVisible());
    // A square with a number not called does not take a dot.
    for (int i = 1; i <= 24; ++i) {
        if (game->state.Card1Numbers[i] == called) continue;
        QTest::mouseClick(widget("Form1", ("Label1[" + std::to_string(i) + "]").c_str()), Qt::LeftButton);
        EXPECT_FALSE(widget("Form1", ("Image2[" + std::to_string(i) + "]").c_str())->isVisible()) << i;
    }
}

TEST_F(Desktop, EnterStartsFromTheOptionsAndEscapeCancelsThem) {
    QTimer::singleShot(0, [this] { QTest::keyClick(window("BngOptions"), Qt::Key_Escape); });
    menu("bngPlay")->trigger();
    EXPECT_EQ(window("BngOptions"), nullptr);
    EXPECT_EQ(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&Play");

    QTimer::singleShot(0, [this] { QTest::keyClick(window("BngOptions"), Qt::Key_Return); });
    menu("bngPlay")->trigger();
    ASSERT_NE(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&End Play");
}

TEST_F(Desktop, ALongTextShrinksToFitItsLabelRatherThanBeingCut) {
    playWithDefaults();
    game->mainWindow().control("Bngnext").setCaption("&Next game");
    game->windows.show(game->outcomeDialog());
    QLabel* hint = widget<QLabel>("frmGamestatus", "lblStatus2");
    ASSERT_EQ(hint->text(), "If you would like to play the next game press Next Game");
    EXPECT_LE(QFontMetrics(hint->font()).horizontalAdvance(hint->text()), hint->contentsRect().width());
    // A text that fits keeps the designed size: 8.25 points at 96 dots per inch.
    EXPECT_EQ(widget<QLabel>("frmGamestatus", "lblStatus")->font().pixelSize(), 16);
    EXPECT_EQ(widget<QLabel>("Form1", "lblbalnce2")->font().pixelSize(), 11);
}

} // namespace
