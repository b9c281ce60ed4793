// A round played by keys alone beside the Orca screen reader, on a screen of its own: what Orca
// sent to speech, read from its debug log, tells every call, a refused daub, a daub, the false
// claim's answer, the pause, the last calls on request and a computer's win, in that order.
#include "../screen/ScreenGame.h"

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
    // Waits until Orca says the words, after all it was heard saying before. (It ends a sentence
    // that ends in a letter or digit with a full stop.)
    void hears(const std::string& words) {
        const auto said = [&] {
            const std::vector<std::string>& all = spoken();
            for (std::size_t k = heard_; k < all.size(); ++k)
                if (all[k] == words || all[k] == words + ".") return heard_ = k + 1, true;
            return false;
        };
        if (QTest::qWaitFor(said, KeyWaitMs + 10000)) return;
        std::string last;
        const std::vector<std::string>& all = spoken();
        for (std::size_t k = heard_; k < all.size(); ++k) last += "\n  " + all[k];
        ADD_FAILURE() << "Orca did not say \"" << words
                      << "\"; since what it was heard saying before:" << last;
    }
    // Calls the next number and waits until Orca has said it, as "G 52".
    void hearNextCall() {
        nextCall();
        hears(ballName(game->state.CalledCount));
    }
    // Every number called in the round was said, in the order of the calls.
    void expectEveryCallHeard() {
        const std::vector<std::string>& all = spoken();
        std::size_t at = 0;
        for (int k = 1; k <= game->state.CalledCount && k <= 75; ++k) {
            while (at < all.size() && all[at] != ballName(k) + ".") ++at;
            EXPECT_LT(at, all.size()) << "call " << k << ", " << ballName(k) << ", was not heard in its turn";
        }
    }
    // A key pressed on the screen's own keyboard, named as xdotool names it ("space", "ctrl+b"),
    // so that the screen reader hears it as it hears a player's.
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
    static void keyInMenu(const char* menuKey, const char* itemKey) {
        key(menuKey);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, KeyWaitMs));
        key(itemKey);
    }
    // Walks the keyboard over card 1 to the square with the arrow keys.
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
    std::string ballName(int position) const {
        const int number = game->state.CalledNumbers[position];
        return std::string(1, "BINGO"[(number - 1) / 15]) + " " + std::to_string(number);
    }
    bool called(int number) const {
        for (int k = 1; k <= game->state.CalledCount && k <= 75; ++k)
            if (game->state.CalledNumbers[k] == number) return true;
        return false;
    }
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
    const int first = game->state.Card1Numbers[1];
    const std::string b1 = std::string(1, "BINGO"[(first - 1) / 15]) + " " + std::to_string(first);
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
    const int number = game->state.Card1Numbers[cardOneSquare(hit->column, hit->row)];
    key("space");
    hears(std::string(1, "BINGO"[(number - 1) / 15]) + " " + std::to_string(number) + ", daubed");

    // A claim too soon, the pause and its end from the Options menu by its keys, and the last calls.
    key("ctrl+b");
    hears("Sorry, Continue Jackpot is $5");
    for (const char* news : {"Game has been Paused", "Game has been Unpaused"}) {
        keyInMenu("alt+o", "p");
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
    expectEveryCallHeard();
}

} // namespace
