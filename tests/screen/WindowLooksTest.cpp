// Texts whole and readable, and links that read on a dark desktop; whole windows: ScreensTest.cpp.
#include "GameOnQt.h"
#include "game/Patterns.h"
#include "ui/Bingomsg.h"
#include "ui/BngOptions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using namespace daubery;

namespace {

class WindowLooks : public daubery::testing::GameOnQt {
protected:
    void SetUp() override { startGame(5); }

    // Where a widget lies in its window's client area.
    QRect placeOf(std::string_view window, QWidget* widget) {
        return {widget->mapTo(this->window(window)->centralWidget(), QPoint(0, 0)), widget->size()};
    }
    // The options dialog as Play opens it; it stays open while `look` runs, then closes with Cancel
    // (or the button named).
    void withOptions(const std::function<void()>& look, const char* closeWith = "Command2") {
        QTimer::singleShot(0, [this, look, closeWith] {
            look();
            QTest::mouseClick(widget<QPushButton>(BngOptions::Name, closeWith), Qt::LeftButton);
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

// Whole and in readable type at any length: the message line in letters 12 pixels high or more,
// the game's name under the card picture in 10 or more.
TEST_F(WindowLooks, BoardShowsItsLongestMessagesAndEveryGameNameWhole) {
    // Start Little Picture Frame against six.
    withOptions(
        [this] {
            for (auto [list, at] : {std::pair{"Combo2", 8}, {"cmbPlayers", 5}}) pick(list, at);
        },
        "Command1");
    Bingomsg& board = game->messageBoard();
    auto* message = widget<QLabel>(Bingomsg::Name, "lblMsg");
    for (const char* text : {"The Computer Player #6 has won the jackpot.  Your balance is 0 Game Over.",
                             "You are playing B & O Railroad Tracks, Jackpot is $1230. There is 6 players "
                             "playing against you."}) {
        SCOPED_TRACE(text);
        board.control("lblMsg").setCaption(text);
        QCoreApplication::processEvents();
        EXPECT_GE(message->font().pixelSize(), 12);
        const QRect needed = QFontMetrics(message->font())
                                 .boundingRect(message->contentsRect(), Qt::TextWordWrap, message->text());
        EXPECT_LE(needed.height(), message->contentsRect().height());
    }
    auto* name = widget<QLabel>(Bingomsg::Name, "lblexplname");
    const QRect picture = placeOf(Bingomsg::Name, widget(Bingomsg::Name, "Image1"));
    const QRect place = placeOf(Bingomsg::Name, name);
    EXPECT_GE(place.top(), picture.bottom()) << "the name lies over the card";
    EXPECT_LE(place.bottom(), window(Bingomsg::Name)->centralWidget()->height() - 1);
    for (const GameTypeInfo& type : gameTypes()) {
        SCOPED_TRACE(type.name);
        board.control("lblexplname").setCaption(std::string(type.name));
        QCoreApplication::processEvents();
        EXPECT_GE(name->font().pixelSize(), 10);
        const QFontMetrics metrics(name->font());
        EXPECT_LT(metrics.horizontalAdvance(name->text()), place.width());
        EXPECT_LE(metrics.height(), place.height());
    }
}

// On a dark desktop the blue links take a colour that reads on the window: the desktop's own link
// colour where it reads, a light blue where it does not.
TEST_F(WindowLooks, LinksReadOnADarkDesktop) {
    const QPalette before = QApplication::palette();
    auto contrast = [](const QColor& a, const QColor& b) {
        auto lum = [](const QColor& c) {
            auto ch = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
        };
        return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
    };
    for (const QColor link : {QColor(0, 0, 255), QColor(90, 170, 255)}) {
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(30, 30, 34));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Link, link);
        QApplication::setPalette(dark);
        withOptions([&] {
            const QColor shown =
                widget<QLabel>(BngOptions::Name, "lblVisit")->palette().color(QPalette::WindowText);
            EXPECT_GE(contrast(shown, dark.color(QPalette::Window)), 4.5) << shown.name().toStdString();
            if (link != QColor(0, 0, 255)) {
                EXPECT_EQ(shown, link) << "the desktop's own link colour";
            }
        });
    }
    QApplication::setPalette(before);
}

// Every game type whole in its list, open or closed, and its explanation in the same type as every
// other's, none shrunk to fit.
TEST_F(WindowLooks, EveryGameTypeShowsWholeInTheListAndItsExplanationInTheSameType) {
    withOptions([this] {
        auto* types = widget<QComboBox>(BngOptions::Name, "Combo2");
        ASSERT_EQ(types->count(), 12);
        auto* info = widget<QLabel>(BngOptions::Name, "lblInfo");
        const int size = info->font().pixelSize();
        const QFontMetrics metrics(types->font());
        QStyleOptionComboBox option;
        option.initFrom(types);
        const QRect field =
            types->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, types);
        types->showPopup();
        const int open = types->view()->viewport()->width();
        for (int i = 0; i < types->count(); ++i) {
            SCOPED_TRACE(types->itemText(i).toStdString());
            EXPECT_LE(metrics.horizontalAdvance(types->itemText(i)), field.width()) << "cut when chosen";
            EXPECT_LE(metrics.horizontalAdvance(types->itemText(i)) + 8, open) << "cut in the open list";
        }
        types->hidePopup();
        for (int i = 0; i < types->count(); ++i) {
            pick("Combo2", i);
            QCoreApplication::processEvents();
            EXPECT_EQ(info->font().pixelSize(), size) << types->itemText(i).toStdString();
        }
    });
}

} // namespace
