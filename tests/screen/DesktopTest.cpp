// A round played by menus, keys and clicks as the desktop delivers them.
#include "GameOnQt.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace daubery;

namespace {

class Desktop : public daubery::testing::GameOnQt {
protected:
    void SetUp() override { startGame(11); }

    // Play, and a key in the options dialog as it opens.
    void playWithKey(Qt::Key key) {
        QTimer::singleShot(0, [this, key] { QTest::keyClick(window("BngOptions"), key); });
        menu("bngPlay")->trigger();
    }
};

// Escape cancels the options and Enter starts from them; the menus then read what the round needs,
// a click daubs only the free space and called squares, and End Play clears the table. What the
// windows show at each step, the approved pictures hold.
TEST_F(Desktop, KeysMenusAndClicksRunARound) {
    playWithKey(Qt::Key_Escape);
    EXPECT_EQ(window("BngOptions"), nullptr);
    EXPECT_EQ(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&Play");

    playWithKey(Qt::Key_Return);
    EXPECT_EQ(window("BngOptions"), nullptr);
    ASSERT_NE(window("Bingomsg"), nullptr);
    EXPECT_TRUE(window("Bingomsg")->isVisible() && menu("helpgame")->isVisible() &&
                menu("bngPause")->isEnabled());
    EXPECT_EQ(
        (QStringList{window("Bingomsg")->windowTitle(), menu("bngPlay")->text(), menu("helpgame")->text()}),
        (QStringList{"Daubery message board", "&End Play", "&How to play Regular Bingo"}));

    game->windows.runTimersUntil(platform.now() + 101 * 25 + 57 * 25);
    ASSERT_EQ(game->state.CalledCount, 1);
    for (int i = 1; i <= 24; ++i) {
        const bool called = game->state.Card1Numbers[i] == game->state.CalledNumbers[1];
        QTest::mouseClick(widget("Form1", "Label1[" + std::to_string(i) + "]"), Qt::LeftButton);
        EXPECT_EQ(widget("Form1", "Image2[" + std::to_string(i) + "]")->isVisible(), called) << i;
    }
    QTest::mouseClick(widget("Form1", "Label1[49]"), Qt::LeftButton);
    EXPECT_TRUE(widget("Form1", "Image2[49]")->isVisible());

    menu("bngPlay")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&Play");
    EXPECT_FALSE(widget("Form1", "Picture1")->isVisible() || widget("Form1", "Command1")->isVisible() ||
                 menu("bngPause")->isEnabled());
}

TEST_F(Desktop, ALongTextShrinksToFitItsLabelRatherThanBeingCut) {
    playWithKey(Qt::Key_Return);
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
