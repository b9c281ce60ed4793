// What a screen reader finds in the game's windows and is told as the round goes.
#include "ScreenGame.h"

#include "platform/qt/ScreenReader.h"

#include <QAccessible>

#include <vector>

using namespace screen;

namespace {

struct Told {
    QAccessible::Event type;
    QObject* object;
    QAccessible::Role role;
    std::string name;
};
std::vector<Told> told;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* read = event->accessibleInterface();
    told.push_back({event->type(), event->object(), read ? read->role() : QAccessible::NoRole,
                    read ? read->text(QAccessible::Name).toStdString() : std::string()});
}

class Accessibility : public ScreenGame {
protected:
    void SetUp() override {
        told.clear();
        daubery::listenToAccessibleEvents(record);
        QApplication::instance()->installEventFilter(&focusIns);
    }
    void TearDown() override {
        daubery::listenToAccessibleEvents(nullptr);
        QApplication::instance()->removeEventFilter(&focusIns);
        ScreenGame::TearDown();
    }

    // Where the keyboard lands, as the screen reader is told of it: every widget taking the focus.
    struct FocusIns : QObject {
        std::vector<QObject*> to;
        bool eventFilter(QObject* object, QEvent* event) override {
            auto* widget = qobject_cast<QWidget*>(object);
            if (event->type() == QEvent::FocusIn && widget && !widget->isWindow()) to.push_back(object);
            return false;
        }
    } focusIns;

    QAccessibleInterface* read(std::string_view window, const std::string& name) {
        QWidget* found = name.empty() ? this->window(window) : widget(window, name);
        EXPECT_NE(found, nullptr) << name;
        return QAccessible::queryAccessibleInterface(found);
    }
    // What a window is read as, and whether it holds the keyboard to itself.
    std::pair<QAccessible::Role, bool> modalDialog(std::string_view window) {
        return {read(window, "")->role(), bool(read(window, "")->state().modal)};
    }
    std::string name(std::string_view window, const std::string& control) {
        return read(window, control)->text(QAccessible::Name).toStdString();
    }
    // What was told to be said since the last look, in order.
    static std::vector<std::string> news() {
        std::vector<std::string> said;
        for (const Told& t : told)
            if (t.type == QAccessible::ObjectShow && t.role == QAccessible::Notification)
                said.push_back(t.name);
        told.clear();
        return said;
    }
    // Whatever a screen reader would read as a thing of its own, a shown leaf, but finds no name for.
    static void collectUnnamed(QAccessibleInterface* node, std::vector<std::string>& unnamed) {
        if (node->childCount() == 0 && !node->state().invisible &&
            node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.push_back(node->object() ? node->object()->objectName().toStdString() : "?");
        for (int k = 0; k < node->childCount(); ++k) collectUnnamed(node->child(k), unnamed);
    }
    std::vector<std::string> unnamedIn(std::string_view window) {
        std::vector<std::string> unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(this->window(window)), unnamed);
        return unnamed;
    }

    static std::string square(int index) { return "Label1[" + std::to_string(index) + "]"; }
    int cardNumber(int index) const {
        return index <= 24 ? game->state.Card1Numbers[index] : game->state.Card2Numbers[index - 24];
    }
};

TEST_F(Accessibility, EverySquareOfBothCardsNamesItsPlaceAndItsDaub) {
    start(3);
    // Two boards; the deal puts the keyboard on card 1's first square, with one focus event.
    inModal("BngOptions", [this] {
        press(Qt::Key_Down);
        focusIns.to.clear();
        press(Qt::Key_Return);
    });
    press(Qt::Key_P, Qt::AltModifier);
    settle();
    EXPECT_EQ(std::count(focusIns.to.begin(), focusIns.to.end(), widget("Form1", square(1))), 1);
    EXPECT_EQ(focusIns.to.back(), widget("Form1", square(1)));
    EXPECT_EQ(focusedName(), square(1));

    // Cells go down the columns, the N column skipping the free space; card 2 follows card 1.
    for (int index = 1; index <= 50; ++index) {
        const Place at = *placeOfSquare(square(index > 48 ? 49 : (index - 1) % 24 + 1));
        const std::string place = ", row " + std::to_string(at.row) + ", column " + std::to_string(at.column);
        QAccessibleInterface* read = this->read("Form1", square(index));
        EXPECT_EQ(name("Form1", square(index)),
                  (index > 48 ? "Free space" : spokenAs(cardNumber(index))) + place);
        EXPECT_EQ(read->role(), QAccessible::Button) << index;
        EXPECT_TRUE(read->state().checkable && !read->state().checked) << index;
        const bool secondCard = index > 24 && index != 49;
        EXPECT_EQ(read->parent()->text(QAccessible::Name), secondCard ? "Card 2" : "Card 1") << index;
        EXPECT_EQ(read->parent()->role(), QAccessible::Grouping);
    }

    // Space on a number not called is refused and says so; the free space takes a daub any time.
    press(Qt::Key_Space);
    arrowTo({3, 3});
    press(Qt::Key_Space);
    EXPECT_EQ(news(),
              (std::vector<std::string>{spokenAs(cardNumber(1)) + ", not called", "Free space, daubed"}));
    EXPECT_TRUE(read("Form1", square(49))->state().checked);

    // A daub by the mouse on either card is told and read back the same, with its state.
    int hit = 0;
    while (!hit && game->state.CalledCount < 75) {
        nextCall();
        for (int index = 1; index <= 48 && !hit; ++index)
            if (cardNumber(index) == game->state.CalledNumbers[game->state.CalledCount]) hit = index;
    }
    ASSERT_NE(hit, 0);
    told.clear();
    QTest::mouseClick(widget("Form1", square(hit)), Qt::LeftButton);
    EXPECT_EQ(news(), std::vector<std::string>{spokenAs(cardNumber(hit)) + ", daubed"});
    EXPECT_TRUE(read("Form1", square(hit))->state().checked);
    EXPECT_EQ(name("Form1", square(hit)).substr(0, spokenAs(cardNumber(hit)).size() + 8),
              spokenAs(cardNumber(hit)) + ", daubed");
    EXPECT_EQ(unnamedIn("Form1"), std::vector<std::string>{});
}

TEST_F(Accessibility, CallsClaimsThePauseAndTheBoardAreToldAsTheyHappen) {
    start(3);
    playWithKeys();
    news();
    for (int k = 0; k < 3; ++k) nextCall();
    const int first = game->state.CalledNumbers[1], second = game->state.CalledNumbers[2],
              third = game->state.CalledNumbers[3];
    // Each call is told with its number as it is made, before the ball has landed.
    EXPECT_EQ(news(), (std::vector<std::string>{spokenAs(first), spokenAs(second), spokenAs(third)}));
    EXPECT_FALSE(widget("Form1", "lblball")->isVisible());
    const auto board = [this](int number) {
        return name("Bingomsg", "lblselctedNums[" + std::to_string(number) + "]");
    };
    EXPECT_EQ(board(first), std::to_string(first) + ", called");
    EXPECT_EQ(board(third), std::to_string(third));

    // A claim too soon, the pause, and the board asked for by its keys.
    // The button takes its key as a click, a moment later.
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return !told.empty(); }, 1000));
    menu("bngPause")->trigger();
    press(Qt::Key_L, Qt::ControlModifier);
    press(Qt::Key_E, Qt::ControlModifier);
    std::vector<int> sorted{first, second, third};
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(news(), (std::vector<std::string>{"Sorry, Continue Jackpot is $5", "Game has been Paused",
                                                "Last calls " + spokenAs(third) + ", " + spokenAs(second) +
                                                    ", " + spokenAs(first) + ". Jackpot $5",
                                                "3 called: " + spokenAs(sorted[0]) + ", " +
                                                    spokenAs(sorted[1]) + ", " + spokenAs(sorted[2])}));
    EXPECT_EQ(read("Bingomsg", "lblMsg")->role(), QAccessible::StaticText);
    EXPECT_EQ(read("Bingomsg", "")->role(), QAccessible::Window);
    EXPECT_EQ(unnamedIn("Bingomsg"), std::vector<std::string>{});
}

TEST_F(Accessibility, TheDialogsAreModalDialogsWithNamedListsAndNothingUnnamed) {
    start(3);
    inModal("BngOptions", [this] {
        EXPECT_EQ(modalDialog("BngOptions"), std::pair(QAccessible::Dialog, true));
        EXPECT_EQ(unnamedIn("BngOptions"), std::vector<std::string>{});
        EXPECT_EQ(name("BngOptions", "lblhelp"), "Regular Bingo");
        // Each list is labelled by its heading.
        for (auto [list, heading] :
             {std::pair{"Combo1", "Number of Boards"}, std::pair{"Combo2", "Game Type"},
              std::pair{"cmbSeconds", "Time Between Ball's"},
              std::pair{"cmbPlayers", "Number of Pc players"}}) {
            const auto labels = read("BngOptions", list)->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1) << list;
            EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(), heading);
        }
        // The help on a game opens on its page, whose text is told and whose picture names its pattern.
        inModal("frmHelp", [this] {
            EXPECT_EQ(modalDialog("frmHelp"), std::pair(QAccessible::Dialog, true));
            EXPECT_EQ(name("frmHelp", "imgHelp[0]"), "The Regular Bingo pattern");
            EXPECT_EQ(news().back().substr(0, 21), "This is Regular Bingo");
            EXPECT_EQ(unnamedIn("frmHelp"), std::vector<std::string>{});
            press(Qt::Key_Escape);
        });
        for (int k = 0; k < 7; ++k) press(Qt::Key_Tab);
        ASSERT_EQ(focusedName(), "lblhelp");
        press(Qt::Key_Space);
        settle();
        press(Qt::Key_Escape);
    });
    press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(window("BngOptions"), nullptr);
}

} // namespace
