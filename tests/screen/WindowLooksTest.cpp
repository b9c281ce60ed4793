// The smaller windows as the player sees them: every text of the message board whole and readable,
// every game type whole in its list and explained in the same type, links that read on a dark
// desktop, the outcome dialog composed for each outcome, the options guide's picture in its place,
// and the called ball in its column's colour with its text on its face.
#include "OnScreen.h"

#include "game/Patterns.h"
#include "ui/Bingomsg.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"
#include "ui/frmHelp.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLabel>
#include <QStyleOptionComboBox>

#include <cmath>
#include <map>
#include <set>

using namespace daubery;
using daubery::testing::luminance;

namespace {

// The rows and columns a test's pixels span within an area.
struct Span {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    bool empty() const { return right < 0; }
};
template <typename Test> Span inkIn(const QImage& image, const QRect& area, Test ink) {
    Span span;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (ink(image.pixelColor(x, y))) {
                span.left = std::min(span.left, x);
                span.right = std::max(span.right, x);
                span.top = std::min(span.top, y);
                span.bottom = std::max(span.bottom, y);
            }
    return span;
}

class WindowLooks : public daubery::testing::OnScreen {};

// Whole and in readable type at any length: the message line in letters 12 pixels high or more,
// the game's name under the card picture in 10 or more.
TEST_F(WindowLooks, BoardShowsItsLongestMessagesAndEveryGameNameWhole) {
    startRound(8, 6); // Little Picture Frame against six
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

// Every game type's explanation in the options dialog in the same type, none shrunk to fit.
TEST_F(WindowLooks, EveryExplanationShowsInTheSameType) {
    withOptions(0, [this] {
        auto* types = widget<QComboBox>(BngOptions::Name, "Combo2");
        auto* info = widget<QLabel>(BngOptions::Name, "lblInfo");
        const int size = info->font().pixelSize();
        for (int i = 0; i < types->count(); ++i) {
            types->setCurrentIndex(i);
            emit types->activated(i);
            QCoreApplication::processEvents();
            EXPECT_EQ(info->font().pixelSize(), size) << types->itemText(i).toStdString();
        }
    });
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
        withOptions(0, [&] {
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

TEST_F(WindowLooks, EveryGameTypeShowsWholeInTheListOpenOrClosed) {
    withOptions(0, [this] {
        auto* types = widget<QComboBox>(BngOptions::Name, "Combo2");
        ASSERT_EQ(types->count(), 12);
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
    });
}

// The outcome's text stands in the middle of the space over the hint, the hint just over the
// buttons, and the buttons clear of the bottom edge.
void checkComposed(const QImage& shown, const QRect& status, const QRect& hint, const QRect& buttons) {
    auto dark = [](const QColor& c) { return luminance(c) < 120; };
    const Span text = inkIn(shown, QRect(status.left(), 0, status.width(), hint.top()), dark);
    const Span hintInk = inkIn(shown, hint, dark);
    ASSERT_FALSE(text.empty());
    ASSERT_FALSE(hintInk.empty());
    const int above = text.top, below = hintInk.top - text.bottom;
    EXPECT_GE(below, 8) << "the text crowds the hint";
    EXPECT_LE(std::abs(above - below), 30)
        << "text " << text.top << ".." << text.bottom << ", hint at " << hintInk.top;
    EXPECT_LE(hintInk.bottom, buttons.top() - 4) << "the hint crowds the buttons";
    EXPECT_LE(buttons.bottom(), shown.height() - 7) << "the buttons sit on the bottom edge";
}

TEST_F(WindowLooks, OutcomeDialogIsComposedForEachOutcome) {
    auto check = [this] {
        ASSERT_NE(window(frmGamestatus::Name), nullptr);
        const QRect status = placeOf(frmGamestatus::Name, widget(frmGamestatus::Name, "lblStatus"));
        const QRect hint = placeOf(frmGamestatus::Name, widget(frmGamestatus::Name, "lblStatus2"));
        const QRect ok = placeOf(frmGamestatus::Name, widget(frmGamestatus::Name, "cmdOK"));
        checkComposed(shot(frmGamestatus::Name), status, hint, ok);
    };
    auto computerWins = [this] {
        for (int k = 0; k < 80 && !window(frmGamestatus::Name); ++k) calls(1);
    };
    {
        SCOPED_TRACE("the player's win");
        startRound(0);
        game->mainWindow().control("Bngnext").setCaption("&Next game");
        game->windows.show(game->outcomeDialog());
        check();
        QTest::mouseClick(widget<QPushButton>(frmGamestatus::Name, "cmdEndPlay"), Qt::LeftButton);
    }
    {
        SCOPED_TRACE("a computer's win, money left");
        startRound(0, 6);
        game->state.Balance = 40;
        computerWins();
        EXPECT_EQ(widget<QLabel>(frmGamestatus::Name, "lblStatus")->text().left(21), "The Computer Player #");
        check();
        QTest::mouseClick(widget<QPushButton>(frmGamestatus::Name, "cmdEndPlay"), Qt::LeftButton);
    }
    {
        SCOPED_TRACE("game over");
        startRound(0, 6);
        computerWins();
        EXPECT_TRUE(widget<QLabel>(frmGamestatus::Name, "lblStatus")->text().endsWith("Game Over"));
        check();
    }
}

// The guide's picture of the options dialog lies in its panel above the viewer's Cancel, as far
// from the window's left edge as Cancel is, with every hot spot under the pictured title bar; its
// explanations keep that margin from the right edge.
TEST_F(WindowLooks, OptionsGuidePicturesTheDialogClearOfTheViewersOwnControls) {
    withOptions(0, [this] {
        QTimer::singleShot(0, [this] {
            ASSERT_NE(window(frmHelp::Name), nullptr);
            const QRect picture = placeOf(frmHelp::Name, widget(frmHelp::Name, "imgOptions"));
            const QRect panel = placeOf(frmHelp::Name, widget(frmHelp::Name, "pctHelpOption"));
            const QRect cancel = placeOf(frmHelp::Name, widget(frmHelp::Name, "Command2"));
            const QRect column = placeOf(frmHelp::Name, widget(frmHelp::Name, element("lblopinfo", 0)));
            const int width = window(frmHelp::Name)->centralWidget()->width();
            EXPECT_TRUE(panel.contains(picture));
            EXPECT_LT(picture.bottom(), cancel.top());
            EXPECT_EQ(picture.left(), cancel.left());
            EXPECT_EQ(width - 1 - column.right(), cancel.left()) << "the explanations' right margin";
            EXPECT_EQ(column.left() - picture.right() - 1, cancel.left()) << "between picture and explanations";
            for (int k = 0; k < 6; ++k) {
                const QRect spot = placeOf(frmHelp::Name, widget(frmHelp::Name, element("lblobject", k)));
                EXPECT_GE(spot.top(), picture.top() + 20) << k;
                EXPECT_TRUE(picture.contains(spot)) << k;
            }
            QTest::mouseClick(widget<QPushButton>(frmHelp::Name, "Command2"), Qt::LeftButton);
        });
        QTest::mouseClick(widget<QPushButton>(BngOptions::Name, "cmdHelp"), Qt::LeftButton);
    });
}

TEST_F(WindowLooks, CalledBallTakesItsColumnsColourAndCarriesItsTextOnItsFace) {
    // The ball's body, away from its face and its gloss, in the colour of the column.
    const std::map<char, bool (*)(const QColor&)> colourOf{
        {'B', [](const QColor& c) { return c.blue() > c.red() + 40 && c.blue() > c.green() + 20; }},
        {'I', [](const QColor& c) { return c.red() > c.green() + 70 && c.red() > c.blue() + 70; }},
        {'N', [](const QColor& c) { return c.red() > c.green() + 30 && c.blue() > c.green() + 40; }},
        {'G', [](const QColor& c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 20; }},
        {'O', [](const QColor& c) { return c.red() > c.green() + 30 && c.green() > c.blue() + 40; }},
    };
    startRound(2); // Cover All, so no computer wins before every column has come up
    QWidget* ball = widget(Form1::Name, "imgBallroll");
    auto* text = widget<QLabel>(Form1::Name, "lblball");
    std::set<char> seen;
    for (int call = 0; call < 25 && seen.size() < 5; ++call) {
        calls(1);
        ASSERT_TRUE(text->isVisible());
        const char letter = text->text().toStdString()[0];
        SCOPED_TRACE(text->text().toStdString());
        seen.insert(letter);
        const QRect place = placeOf(Form1::Name, ball);
        const QImage shown = shot(Form1::Name);
        const QPointF middle = QRectF(place).center();
        EXPECT_TRUE(colourOf.at(letter)(shown.pixelColor((middle + QPointF(-12, 12)).toPoint())));

        // The widest texts too: every pixel of the text on the ball, on its light face. The
        // text's pixels are those that change when it is hidden.
        Control& label = game->mainWindow().control("lblball");
        for (const char* widest : {"", "O75", "O70", "O74", "G58"}) {
            if (*widest) label.setCaption(widest);
            const QImage withText = shot(Form1::Name);
            label.setVisible(false);
            const QImage bare = shot(Form1::Name);
            label.setVisible(true);
            const double radius = place.height() / 2.0;
            int pixels = 0, onLight = 0;
            for (int y = 0; y < bare.height(); ++y)
                for (int x = 0; x < bare.width(); ++x) {
                    if (withText.pixel(x, y) == bare.pixel(x, y)) continue;
                    ++pixels;
                    EXPECT_LE(std::hypot(x + 0.5 - middle.x(), y + 0.5 - middle.y()), radius - 1.5)
                        << "off the ball at " << x << "," << y;
                    onLight +=
                        luminance(bare.pixelColor(x, y)) > 180; // the face greys a little towards its rim
                }
            EXPECT_GT(pixels, 40);
            EXPECT_GE(onLight, pixels * 95 / 100) << "the text runs off the face";
        }
    }
    EXPECT_EQ(seen.size(), 5u);
}

} // namespace
