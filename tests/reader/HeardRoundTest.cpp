// A round played by keys alone beside the Orca screen reader, what it says read from its debug log.
#include "../screen/ScreenGame.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <string>
#include <vector>

using namespace screen;

namespace {

class HeardRound : public ScreenGame {
protected:
    // Every utterance Orca has sent to speech so far, in order, its log read on from where it was.
    const std::vector<std::string>& spoken() {
        if (!log_.isOpen()) {
            log_.setFileName(qEnvironmentVariable("DAUBERY_ORCA_LOG"));
            if (!log_.open(QIODevice::ReadOnly)) return said_;
        }
        // SPEECH OUTPUT: 'G 52.'{'established': False}
        static const QRegularExpression utterance(QStringLiteral("SPEECH OUTPUT: '(.*)' ?\\{"));
        unread_ += log_.readAll();
        for (qsizetype end = unread_.indexOf('\n'); end >= 0; end = unread_.indexOf('\n')) {
            const QRegularExpressionMatch match = utterance.match(QString::fromUtf8(unread_.left(end)));
            if (match.hasMatch()) said_.push_back(match.captured(1).trimmed().toStdString());
            unread_.remove(0, end + 1);
        }
        return said_;
    }
    // Waits for the words after all Orca said before; it ends a sentence in a letter or digit with a stop.
    void hears(const std::string& words) {
        QElapsedTimer sinceNudge;
        sinceNudge.start();
        const auto said = [&] {
            const std::vector<std::string>& all = spoken();
            for (std::size_t k = heard_; k < all.size(); ++k)
                if (all[k] == words || all[k] == words + ".") return heard_ = k + 1, true;
            // Orca writes its log in blocks: a key that does nothing in the game makes it write on.
            if (sinceNudge.elapsed() > 3000) {
                key("shift");
                sinceNudge.restart();
            }
            return false;
        };
        if (QTest::qWaitFor(said, KeyWaitMs + 10000)) return;
        std::string last;
        const std::vector<std::string>& all = spoken();
        for (std::size_t k = heard_; k < all.size(); ++k) last += "\n  " + all[k];
        ADD_FAILURE() << "Orca did not say \"" << words
                      << "\"; since what it was heard saying before:" << last;
    }
    void hearNextCall() {
        nextCall();
        hears(ballName(game->state.CalledCount));
    }
    // A key pressed on the screen's own keyboard, so that the screen reader hears it as a player's.
    static void key(const char* name) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QLatin1String(name)}),
                  0);
    }
    // The key, once the window has opened and has the keyboard, from inside its own modal loop.
    void keyWhenShown(std::string_view name, const char* keyName) {
        auto* waiting = new QTimer;
        QObject::connect(waiting, &QTimer::timeout, [this, name, keyName, waiting] {
            daubery::FormWindow* shown = game ? window(name) : nullptr;
            if (!shown || QApplication::activeWindow() != shown) return;
            waiting->stop();
            waiting->deleteLater();
            key(keyName);
        });
        waiting->start(50);
    }
    static void walkTo(Place to) {
        for (int step = 0; step < 12; ++step) {
            const std::string from = focusedName();
            const auto at = placeOfSquare(from);
            ASSERT_TRUE(at) << "the keyboard left card 1 for " << from;
            if (at->column == to.column && at->row == to.row) return;
            key(at->column != to.column ? (at->column < to.column ? "Right" : "Left")
                                        : (at->row < to.row ? "Down" : "Up"));
            ASSERT_TRUE(QTest::qWaitFor([&from] { return focusedName() != from; }, KeyWaitMs));
        }
    }
    std::string ballName(int position) const { return spokenAs(game->state.CalledNumbers[position]); }
    std::size_t heard_ = 0;
    QFile log_;
    QByteArray unread_;
    std::vector<std::string> said_;
};

TEST_F(HeardRound, ARoundPlayedByKeysIsHeardThroughOrca) {
    ASSERT_FALSE(qEnvironmentVariable("DAUBERY_ORCA_LOG").isEmpty()) << "run by with_orca.sh";
    start(11);
    keyWhenShown("BngOptions", "Return");
    key("alt+p");
    ASSERT_TRUE(QTest::qWaitFor([this] { return game->state.GameActive && takesKeyboard(window("Form1")); },
                                KeyWaitMs));
    // The deal puts the keyboard on card 1's first square, which Orca names with its card.
    const std::string b1 = spokenAs(game->state.Card1Numbers[1]);
    hears("Card 1 panel");
    hears(b1 + ", row 1, column 1 push button");

    // Space on it before its number is called: refused, and said so.
    key("space");
    hears(b1 + ", not called");

    // Calls until one falls on card 1, which the arrow keys reach and Space daubs.
    std::optional<Place> hit;
    while (!hit && game->state.CalledCount < 75) {
        hearNextCall();
        for (int column = 1; column <= 5 && !hit; ++column)
            for (int row = 1; row <= 5 && !hit; ++row)
                if (!(column == 3 && row == 3) &&
                    called(game->state.Card1Numbers[cardOneSquare(column, row)]))
                    hit = Place{column, row};
    }
    ASSERT_TRUE(hit);
    walkTo(*hit);
    key("space");
    hears(spokenAs(game->state.Card1Numbers[cardOneSquare(hit->column, hit->row)]) + ", daubed");

    // A claim too soon, the pause and its end from the Options menu by its keys, and the last calls.
    key("ctrl+b");
    hears("Sorry, Continue Jackpot is $5");
    for (const char* news : {"Game has been Paused", "Game has been Unpaused"}) {
        key("alt+o");
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, KeyWaitMs));
        key("p");
        hears(news);
    }
    const int count = game->state.CalledCount;
    std::string last = "Last calls " + ballName(count);
    for (int k = count - 1; k > 0 && k > count - 3; --k) last += ", " + ballName(k);
    key("ctrl+l");
    hears(last + ". Jackpot $5");

    // Every call on to the computer's win, which the outcome dialog then shows, its buttons read.
    while (!window("frmGamestatus") && game->state.CalledCount < 75) hearNextCall();
    ASSERT_NE(window("frmGamestatus"), nullptr);
    hears("The Computer Player #1 has won the jackpot.  Your balance is 0 Game Over.");
    hears("OK push button");
    // Every number called in the round was said, in the order of the calls.
    std::size_t at = 0;
    for (int k = 1; k <= game->state.CalledCount && k <= 75; ++k) {
        while (at < spoken().size() && spoken()[at] != ballName(k) + ".") ++at;
        EXPECT_LT(at, spoken().size())
            << "call " << k << ", " << ballName(k) << ", was not heard in its turn";
    }
}

} // namespace
