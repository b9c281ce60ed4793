// What a screen reader finds in the game's windows: every control a player uses names itself, and
// the calls, the claims and the pause are told as they happen.
#include "ScreenGame.h"

#include "platform/qt/ControlWidgets.h"

#include <QAccessible>
#include <QLabel>

#include <string>
#include <vector>

using namespace screen;

namespace {

struct Told {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
std::vector<Told> told;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* read = event->accessibleInterface();
    told.push_back({event->type(), event->object(), read ? read->text(QAccessible::Name) : QString()});
}

class Accessibility : public ScreenGame {
protected:
    void SetUp() override {
        told.clear();
        daubery::listenToAccessibleEvents(record);
    }
    void TearDown() override {
        daubery::listenToAccessibleEvents(nullptr);
        ScreenGame::TearDown();
    }

    QAccessibleInterface* read(std::string_view window, const std::string& name) {
        QWidget* found = widget(window, name);
        EXPECT_NE(found, nullptr) << name;
        return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
    }
    std::string name(std::string_view window, const std::string& control) {
        QAccessibleInterface* found = read(window, control);
        return found ? found->text(QAccessible::Name).toStdString() : "<unread>";
    }
    std::string description(std::string_view window, const std::string& control) {
        QAccessibleInterface* found = read(window, control);
        return found ? found->text(QAccessible::Description).toStdString() : "<unread>";
    }
    // What was told of a widget as its name changed, in order.
    std::vector<std::string> namesTold(std::string_view window, const std::string& control) {
        std::vector<std::string> names;
        QWidget* of = widget(window, control);
        for (const Told& t : told)
            if (t.type == QAccessible::NameChanged && t.object == of) names.push_back(t.name.toStdString());
        return names;
    }

    static std::string square(int index) { return "Label1[" + std::to_string(index) + "]"; }
    // "B 7": the column's letter, a space, the number.
    static std::string called(int number) {
        return std::string(1, "BINGO"[(number - 1) / 15]) + " " + std::to_string(number);
    }
};

TEST_F(Accessibility, TheMainWindowNamesItsSquaresBallAndMoney) {
    start(3);
    playWithKeys();
    nextCall();
    runTicks(TicksPerFall);
    const int first = game->state.CalledNumbers[1];

    EXPECT_EQ(name("Form1", "Picture1"), "Card 1");
    // Every numbered square reads as its column and number; the free space as itself.
    for (int index = 1; index <= 24; ++index) {
        const int number = game->state.Card1Numbers[index];
        EXPECT_EQ(name("Form1", square(index)), called(number)) << index;
        EXPECT_EQ(read("Form1", square(index))->role(), QAccessible::Button);
    }
    EXPECT_EQ(name("Form1", square(49)), "Free space");
    EXPECT_EQ(name("Form1", "lblball"), called(first));
    EXPECT_EQ(name("Form1", "lblBalance"), "Balance $0");
    EXPECT_EQ(name("Form1", "lblWins"), "Wins 0");
    EXPECT_EQ(read("Form1", "lblBalance")->role(), QAccessible::StaticText);

    QAccessibleInterface* claim = read("Form1", "Command1");
    EXPECT_EQ(claim->role(), QAccessible::Button);
    EXPECT_EQ(claim->text(QAccessible::Name), "B I N G O");
    EXPECT_EQ(claim->text(QAccessible::Description),
              "Claims the round; Ctrl+B does the same from anywhere in the window");
    ASSERT_NE(claim->actionInterface(), nullptr);
    EXPECT_EQ(claim->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Ctrl+B"});
    EXPECT_EQ(read("Form1", "Label2")->role(), QAccessible::Link);

    // The square the keyboard is on, card 1's first after the deal, is focused, and says it is
    // daubed once Space daubs it.
    QAccessibleInterface* b1 = read("Form1", square(1));
    EXPECT_TRUE(b1->state().focusable);
    EXPECT_TRUE(b1->state().focused);
    EXPECT_FALSE(read("Form1", square(2))->state().focused);
    for (int k = 0; k < 2; ++k) press(Qt::Key_Down);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_EQ(focusedName(), square(49));
    press(Qt::Key_Space);
    EXPECT_EQ(name("Form1", square(49)), "Free space, daubed");
    EXPECT_EQ(namesTold("Form1", square(49)), std::vector<std::string>{"Free space, daubed"});
    // A daub by the mouse reads the same.
    for (int index = 1; index <= 24; ++index) {
        if (game->state.Card1Numbers[index] != first) continue;
        QTest::mouseClick(widget("Form1", square(index)), Qt::LeftButton);
        EXPECT_EQ(name("Form1", square(index)), called(first) + ", daubed");
    }
}

TEST_F(Accessibility, CallsClaimsAndThePauseAreToldAsTheyHappen) {
    start(3);
    playWithKeys();
    told.clear();
    for (int k = 0; k < 3; ++k) nextCall();
    const int first = game->state.CalledNumbers[1], second = game->state.CalledNumbers[2],
              third = game->state.CalledNumbers[3];
    // The ball tells each call with its new number, before the ball has landed.
    EXPECT_EQ(namesTold("Form1", "lblball"),
              (std::vector<std::string>{called(first), called(second), called(third)}));
    EXPECT_FALSE(widget("Form1", "lblball")->isVisible());

    // The board reads the numbers lit by the calls, yellow and red, as called; the newest is not
    // lit yet.
    const auto board = [this](int number) {
        return name("Bingomsg", "lblselctedNums[" + std::to_string(number) + "]");
    };
    EXPECT_EQ(board(first), std::to_string(first) + ", called");
    EXPECT_EQ(board(second), std::to_string(second) + ", called");
    EXPECT_EQ(board(third), std::to_string(third));

    // A claim too soon, then the pause: the message line tells both.
    told.clear();
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !namesTold("Bingomsg", "lblMsg").empty(); }, 1000));
    menu("bngPause")->trigger();
    EXPECT_EQ(namesTold("Bingomsg", "lblMsg"),
              (std::vector<std::string>{"Sorry, Continue Jackpot is $5", "Game has been Paused"}));
    EXPECT_EQ(read("Bingomsg", "lblMsg")->role(), QAccessible::StaticText);
}

TEST_F(Accessibility, TheDialogsNameTheirListsSamplesAndHotSpots) {
    start(3);
    inModal("BngOptions", [this] {
        EXPECT_EQ(name("BngOptions", "lblhelp"), "Regular Bingo");
        EXPECT_EQ(
            description("BngOptions", "lblhelp"),
            "To Play this game you need Bingo either up and down, across, or diagnal on 1 of the examples "
            "above");
        EXPECT_EQ(read("BngOptions", "lblhelp")->role(), QAccessible::Button);
        press(Qt::Key_Tab);
        press(Qt::Key_Down);
        EXPECT_EQ(name("BngOptions", "lblhelp"), "Four Corners");
        EXPECT_EQ(description("BngOptions", "lblhelp"),
                  "To play this game you have to have Bingo on all 4 corners");
        // Each list is labelled by its heading.
        for (auto [list, heading] :
             {std::pair{"Combo1", "Number of Boards"}, std::pair{"Combo2", "Game Type"},
              std::pair{"cmbSeconds", "Time Between Ball's"},
              std::pair{"cmbPlayers", "Number of Pc players"}}) {
            const auto labels = read("BngOptions", list)->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1) << list;
            EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(), heading);
        }
        EXPECT_EQ(read("BngOptions", "Combo2")->text(QAccessible::Value), "Four Corners");

        inModal("frmHelp", [this] {
            EXPECT_EQ(name("frmHelp", "lblobject[0]"), "Number of Boards");
            EXPECT_EQ(description("frmHelp", "lblobject[0]"),
                      "This area will let you choose either 1 or 2 boards to play with.");
            EXPECT_EQ(read("frmHelp", "lblobject[3]")->role(), QAccessible::Button);
            EXPECT_EQ(name("frmHelp", "lblHlp"), "Help on Bingo");
            EXPECT_EQ(read("frmHelp", "lblHlp")->role(), QAccessible::Link);
            press(Qt::Key_Escape);
        });
        QTest::mouseClick(widget<QWidget>("BngOptions", "cmdHelp"), Qt::LeftButton);
        settle();
        press(Qt::Key_Escape);
    });
    press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(window("BngOptions"), nullptr);
}

} // namespace
