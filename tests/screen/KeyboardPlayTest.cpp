// A round played without the mouse: menus by access keys, cards by arrows and Space, dialogs by Tab.
#include "ScreenGame.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <tuple>

using namespace screen;

namespace {

class KeyboardPlay : public ScreenGame {
protected:
    bool squareCalled(Place at) const {
        const int square = cardOneSquare(at.column, at.row);
        return square == 49 || called(game->state.Card1Numbers[square]);
    }
    // The first complete row, column or diagonal of card 1 (lines 0..4 the rows, 5..9 the columns).
    std::optional<std::array<Place, 5>> completeLine() const {
        for (int line = 0; line < 12; ++line) {
            std::array<Place, 5> squares{};
            for (int j = 1; j <= 5; ++j)
                squares[std::size_t(j - 1)] = line < 5    ? Place{j, line + 1}
                                              : line < 10 ? Place{line - 4, j}
                                                          : Place{j, line == 10 ? j : 6 - j};
            if (std::all_of(squares.begin(), squares.end(), [this](Place at) { return squareCalled(at); }))
                return squares;
        }
        return std::nullopt;
    }
    bool daubed(int square) { return widget("Form1", "Image2[" + std::to_string(square) + "]")->isVisible(); }
    bool daubed(Place at) { return daubed(cardOneSquare(at.column, at.row)); }
    // The keyboard on the control named, before any key moved it, its ring's blue atop its middle.
    static void expectRingOn(const std::string& name) {
        ASSERT_EQ(focusedName(), name);
        const QImage shown = focused()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() / 2, 1).name().toStdString(), "#0046c8") << name;
    }
};

TEST_F(KeyboardPlay, ARoundIsWonWithKeysAlone) {
    start(6);
    expectRingOn("Label2");
    // Play by its access key, its title let go; two boards, the rest as the dialog opens, and Enter.
    inModal("BngOptions", [this] {
        expectRingOn("Combo1");
        EXPECT_EQ(window("Form1")->menuBar()->activeAction(), nullptr);
        press(Qt::Key_Down);
        expectTabStops({"Combo2", "cmbSeconds", "cmbPlayers"});
        press(Qt::Key_Return);
    });
    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(window("BngOptions"), nullptr);
    EXPECT_EQ(std::tuple(game->state.BoardCount, game->state.GameName, game->state.PcPlayerCount),
              std::tuple(2, "Regular Bingo", 1));
    settle();
    EXPECT_EQ(activeWindow(), "Form1");

    // The deal leaves the keyboard on card 1; Tab goes round card 2, the claim button, the web link
    // and back, a card being one stop.
    expectRingOn("Label1[1]");
    expectTabStops({"Label1[25]", "Command1", "Label2", "Label1[1]"});

    std::optional<std::array<Place, 5>> line;
    while (!(line = completeLine()) && game->state.CalledCount < 75) {
        nextCall();
        ASSERT_EQ(window("frmGamestatus"), nullptr) << "the computer won first";
    }
    ASSERT_TRUE(line);
    for (const Place& at : *line) {
        arrowTo(at);
        press(Qt::Key_Space);
        EXPECT_TRUE(daubed(at)) << at.column << "," << at.row;
    }

    // The claim key from the card; the win opens the outcome dialog, which the keyboard goes to.
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window("frmGamestatus") != nullptr; }, 1000));
    EXPECT_EQ(game->state.WinCount, 1);
    EXPECT_EQ(widget<QLabel>("Form1", "lblBalance")->text(), "$5");
    ASSERT_TRUE(takesKeyboard(window("frmGamestatus")));
    expectRingOn("cmdOK");
    pressTo(Qt::Key_Tab, "cmdTryagain");
    EXPECT_EQ(widget<QPushButton>("frmGamestatus", "cmdTryagain")->text(), "&Next game");

    // Enter on Next game: the cost's message box is closed by Enter too, and the next round is dealt.
    QTimer::singleShot(0, [] {
        QTest::qWait(30);
        press(Qt::Key_Return);
    });
    press(Qt::Key_Return);
    EXPECT_EQ(window("frmGamestatus"), nullptr);
    EXPECT_EQ(std::pair(game->state.Balance, game->state.CalledCount), std::pair(0, 0));
    EXPECT_TRUE(widget("Form1", "Command1")->isEnabled());
    // The new round's message board comes up, and hands the keyboard back to the cards' window.
    settle();
    EXPECT_EQ(activeWindow(), "Form1");
}

TEST_F(KeyboardPlay, SpaceAndEnterDaubByTheRulesOfAClick) {
    start(3);
    playWithKeys();
    ASSERT_EQ(focusedName(), "Label1[1]");
    // At the edge of the card the arrows stay put.
    press(Qt::Key_Left);
    pressTo(Qt::Key_Up, "Label1[1]");

    // Before the first call only the free space takes a dot; it comes and goes with either key.
    press(Qt::Key_Space);
    EXPECT_FALSE(daubed(1));
    arrowTo({3, 3});
    EXPECT_EQ(focusedName(), "Label1[49]");
    for (const auto& [key, modifier, after] : {std::tuple{Qt::Key_Space, Qt::NoModifier, true},
                                               {Qt::Key_Return, Qt::NoModifier, false},
                                               {Qt::Key_Enter, Qt::KeypadModifier, true}}) {
        press(key, modifier);
        EXPECT_EQ(daubed(49), after) << key;
    }

    // A called number daubs and clears; a number not called stays clear.
    std::optional<Place> hit, miss;
    while (!hit && game->state.CalledCount < 75) {
        nextCall();
        for (int column = 1; column <= 5; ++column)
            for (int row = 1; row <= 5; ++row) {
                if (column == 3 && row == 3) continue;
                (squareCalled({column, row}) ? hit : miss) = Place{column, row};
            }
    }
    ASSERT_TRUE(hit && miss);
    for (const auto& [at, after] : {std::pair{*hit, true}, {*hit, false}, {*miss, false}}) {
        arrowTo(at);
        press(Qt::Key_Space);
        EXPECT_EQ(daubed(at), after) << at.column << "," << at.row;
    }

    // Tab leaves the card and comes back to the square it left; a click does not take the keyboard.
    const std::string left = focusedName();
    pressTo(Qt::Key_Tab, "Command1");
    pressTo(Qt::Key_Tab, left, Qt::ShiftModifier);
    QTest::mouseClick(widget("Form1", "Label1[49]"), Qt::LeftButton);
    EXPECT_FALSE(daubed(49));
    EXPECT_EQ(focusedName(), left);
}

TEST_F(KeyboardPlay, TheOptionsAndTheirGuideAnswerTheKeys) {
    start(3);
    inModal("BngOptions", [this] {
        pressTo(Qt::Key_Tab, "Combo2");
        press(Qt::Key_Down);
        EXPECT_EQ(widget<QLabel>("BngOptions", "lblexamplename")->text(), "Four Corners");
        // The sample asks for help on the game picked; Escape closes the help again.
        expectTabStops({"cmbSeconds", "cmbPlayers", "Command1", "Command2", "cmdHelp", "lblhelp"});
        inModal("frmHelp", [this] {
            EXPECT_EQ(game->state.HelpPage, 1);
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Space);
        EXPECT_EQ(window("frmHelp"), nullptr);
        settle();

        // Help: the guide's hot spots, one Tab stop walked with the arrow keys.
        pressTo(Qt::Key_Tab, "cmdHelp", Qt::ShiftModifier);
        inModal("frmHelp", [this] {
            EXPECT_EQ(focusedName(), "lblobject[0]");
            pressTo(Qt::Key_Down, "lblobject[1]");
            press(Qt::Key_Space);
            EXPECT_TRUE(widget("frmHelp", "lblopinfo[1]")->isVisible());
            EXPECT_FALSE(widget("frmHelp", "lblopinfo[6]")->isVisible());
            pressTo(Qt::Key_Tab, "Command2");
            press(Qt::Key_Return);
        });
        press(Qt::Key_Return);
        EXPECT_EQ(window("frmHelp"), nullptr);
        settle();

        // Enter on Cancel cancels: Start is the dialog's default only while no other button has the keys.
        pressTo(Qt::Key_Tab, "Command2", Qt::ShiftModifier);
        press(Qt::Key_Return);
    });
    press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(window("BngOptions"), nullptr);
    EXPECT_EQ(window("Bingomsg"), nullptr);
    EXPECT_EQ(menu("bngPlay")->text(), "&Play");
    EXPECT_EQ(game->state.GameType, 2);
}

TEST_F(KeyboardPlay, TheHelpViewerIsReadPageByPageWithKeys) {
    start(3);
    // Help by its access key, and Full Help by its own.
    inModal("frmHelp", [this] {
        EXPECT_EQ(focusedName(), "lblcontents[0]");
        // The start page tells the keys, the claim's among them.
        EXPECT_TRUE(widget<QPlainTextEdit>("frmHelp", "lblstart")
                        ->toPlainText()
                        .contains("Press Ctrl+B at any time"));
        for (int k = 0; k < 3; ++k) press(Qt::Key_Down);
        EXPECT_EQ(focusedName(), "lblcontents[3]");
        press(Qt::Key_Return);
        EXPECT_EQ(game->state.HelpPage, 2);
        EXPECT_TRUE(widget("frmHelp", "pctinfo")->isVisible());
        // The keyboard stays in the viewer, on the page's buttons.
        ASSERT_NE(focused(), nullptr);
        EXPECT_TRUE(widget("frmHelp", "pctinfo")->isAncestorOf(focused())) << focusedName();
        for (int k = 0; k < 6 && focusedName() != "cmdNext"; ++k) press(Qt::Key_Tab);
        ASSERT_EQ(focusedName(), "cmdNext");
        press(Qt::Key_Return);
        EXPECT_EQ(game->state.HelpPage, 3);
        EXPECT_EQ(widget<QLabel>("frmHelp", "lblHelp")->text().left(27), "This is Postage Stamp Bingo");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        pressTo(Qt::Key_Tab, "cmdBack", Qt::ShiftModifier);
        press(Qt::Key_Space);
        EXPECT_EQ(game->state.HelpPage, 2);
        press(Qt::Key_Escape);
    });
    press(Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_F);
    EXPECT_EQ(window("frmHelp"), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
