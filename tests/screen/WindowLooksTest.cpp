// The smaller windows as the player sees them: every text of the message board inside the window
// and clear of the card, every game type whole in its list, the outcome dialog composed for each
// outcome, the options guide's picture clear of the viewer's own controls, and the called ball in
// its column's colour with its text on its face.
#include "OnScreen.h"

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

bool isRedInk(const QColor& c) {
    return c.red() > 110 && c.green() < 90 && c.blue() < 90;
}

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

TEST_F(WindowLooks, BoardShowsItsLongestMessagesAndEveryGameNameWhole) {
    startRound(8, 6); // Little Picture Frame against six
    Bingomsg& board = game->messageBoard();
    const int height = window(Bingomsg::Name)->centralWidget()->height();
    auto* message = widget<QLabel>(Bingomsg::Name, "lblMsg");
    const QRect line = placeOf(Bingomsg::Name, message);
    for (const char* text :
         {"The Computer Player #6 has won the jackpot.  Your balance is 0 Game Over.",
          "You are playing Little Picture Frame, Jackpot is $1230. There is 6 players playing against you.",
          "You are playing B & O Railroad Tracks, Jackpot is $1230. There is 6 players playing against you.",
          "You are playing B & O Railroad Tracks, Jackpot is $1230. There is 6 playing against you."}) {
        SCOPED_TRACE(text);
        board.control("lblMsg").setCaption(text);
        const QImage shown = shot(Bingomsg::Name);
        const QRect needed = QFontMetrics(message->font())
                                 .boundingRect(message->contentsRect(), Qt::TextWordWrap, message->text());
        EXPECT_LE(needed.height(), message->contentsRect().height());
        const Span ink = inkIn(shown, line, isRedInk);
        ASSERT_FALSE(ink.empty());
        EXPECT_LT(ink.bottom, line.bottom()) << "the last line runs to the label's edge";
    }

    // The game's name lies under the card's last row of boxes and above the window's edge.
    const QRect lastRow = placeOf(Bingomsg::Name, widget(Bingomsg::Name, element("lblExample", 4)));
    const QRect name = placeOf(Bingomsg::Name, widget(Bingomsg::Name, "lblexplname"));
    EXPECT_LE(name.bottom(), height - 1);
    for (const char* type : {"Regular Bingo", "Four Corners", "Cover All", "Postage Stamp", "Big Diamond",
                             "Small Diamond", "Kite Bingo", "Big Picture Frame", "Little Picture Frame",
                             "B & O Railroad Tracks", "Any Bingo", "Random Pick"}) {
        SCOPED_TRACE(type);
        board.control("lblexplname").setCaption(type);
        const Span ink = inkIn(shot(Bingomsg::Name), name, isRedInk);
        ASSERT_FALSE(ink.empty());
        EXPECT_GT(ink.top, lastRow.bottom()) << "the name covers the card's last row";
        EXPECT_LT(ink.bottom, height - 1) << "the name is cut by the window's edge";
        EXPECT_GT(ink.left, name.left()) << "the name is cut at its left";
        EXPECT_LT(ink.right, name.right()) << "the name is cut at its right";
    }
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

TEST_F(WindowLooks, OptionsGuidePicturesTheDialogClearOfTheViewersOwnControls) {
    withOptions(0, [this] {
        QTimer::singleShot(0, [this] {
            ASSERT_NE(window(frmHelp::Name), nullptr);
            QWidget* picture = widget(frmHelp::Name, "imgOptions");
            ASSERT_TRUE(picture->isVisible());
            const QImage shown = shot(frmHelp::Name);
            const QRect place = placeOf(frmHelp::Name, picture);
            const QRect panel = placeOf(frmHelp::Name, widget(frmHelp::Name, "pctHelpOption"));
            const QRect cancel = placeOf(frmHelp::Name, widget(frmHelp::Name, "Command2"));
            const QColor face = shown.pixelColor(panel.right() - 2, panel.top() + 2);

            // The pictured window ends inside the panel, above the viewer's Cancel: the panel's
            // last row under the picture is plain face.
            const int last = std::min(panel.bottom(), place.bottom());
            EXPECT_LT(last, cancel.top());
            int drawn = 0;
            for (int x = place.left(); x <= place.right(); ++x) drawn += shown.pixelColor(x, last) != face;
            EXPECT_EQ(drawn, 0) << "the picture is cut by its panel: row " << last << " face "
                                << face.name().toStdString() << " middle "
                                << shown.pixelColor(place.center().x(), last).name().toStdString();

            // Its title bar is dark, across the top; every hot spot lies below it, in the picture.
            int titleBottom = -1;
            for (int y = place.top(); y < place.top() + 40; ++y)
                if (luminance(shown.pixelColor(place.center().x(), y)) < 110) titleBottom = y;
            ASSERT_GT(titleBottom, place.top());
            for (int k = 0; k < 6; ++k) {
                SCOPED_TRACE(k);
                const QRect spot = placeOf(frmHelp::Name, widget(frmHelp::Name, element("lblobject", k)));
                EXPECT_GT(spot.top(), titleBottom);
                EXPECT_TRUE(place.contains(spot));
                EXPECT_FALSE(spot.intersects(cancel));
                // Each spot lies over what it explains: the four choices' drop-downs and the
                // buttons have grey outlines, the sample its crimson card.
                auto outline = [](const QColor& c) {
                    return std::abs(c.red() - 150) < 12 && c.red() == c.blue();
                };
                auto crimson = [](const QColor& c) {
                    return c.red() > 120 && c.green() < 50 && c.blue() < 70;
                };
                int seen = 0;
                for (int y = spot.top(); y <= spot.bottom(); ++y)
                    for (int x = spot.left(); x <= spot.right(); ++x)
                        seen += k == 5 ? crimson(shown.pixelColor(x, y)) : outline(shown.pixelColor(x, y));
                EXPECT_GT(seen, 40);
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
