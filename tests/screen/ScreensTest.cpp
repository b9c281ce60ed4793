// Each window in its main states against its approved picture in tests/screen/approved; a failure
// writes the picture and its difference (magenta) to the build's tests/screens, and
// scripts/approve-screens.sh approves afresh. A clock of the test's own deals the same every run.

#include "GameOnQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace daubery;

namespace {

class PinnedPlatform : public QtPlatform {
public:
    std::int64_t now() override { return clock; }
    std::uint64_t clockSeed() override { return std::uint64_t(clock) * 7919u + 1234567u; }
    std::int64_t clock = 0;
};

// Compares a rendered window with its approved picture, and keeps both when they differ.
void expectApproved(const QString& name, const QImage& rendered) {
    const QString approved = QStringLiteral(DAUBERY_APPROVED_SCREENS "/") + name + ".png";
    const QImage shot = rendered.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("DAUBERY_APPROVE_SCREENS") == 1) {
        QDir().mkpath(QStringLiteral(DAUBERY_APPROVED_SCREENS));
        ASSERT_TRUE(shot.save(approved)) << approved.toStdString();
        return;
    }
    const QImage expected = QImage(approved).convertToFormat(QImage::Format_RGB32);
    std::string problem = "no approved picture " + approved.toStdString() + " (scripts/approve-screens.sh)";
    // A pixel differs when a channel moves by more than 40 of 255; up to one pixel in 500 may,
    // for the edges of letters drawn by another version of the font renderer.
    QImage difference = expected.size() == shot.size() ? expected : QImage();
    if (!expected.isNull() && difference.isNull()) {
        problem = "the size differs from the approved picture's";
    } else if (!expected.isNull()) {
        long long differing = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb a = expected.pixel(x, y), b = shot.pixel(x, y);
                const int delta = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b))});
                const int faded = 192 + qGray(a) / 4;
                difference.setPixel(x, y, delta > 40 ? qRgb(255, 0, 255) : qRgb(faded, faded, faded));
                differing += delta > 40;
            }
        const long long allowed = qint64(shot.width()) * shot.height() / 500;
        if (differing <= allowed) return;
        problem = std::to_string(differing) + " pixels differ (at most " + std::to_string(allowed) + ")";
    }
    QDir().mkpath(QStringLiteral(DAUBERY_SCREENS_OUT));
    const QString out = QStringLiteral(DAUBERY_SCREENS_OUT "/") + name;
    shot.save(out + ".png");
    if (!difference.isNull()) difference.save(out + "-difference.png");
    ADD_FAILURE() << name.toStdString() << ": " << problem << "; see " << out.toStdString() << ".png"
                  << (difference.isNull() ? "" : " and its -difference.png");
}

class Screens : public daubery::testing::GameOn<PinnedPlatform> {
protected:
    void SetUp() override { startGame(11); }

    void advance(std::int64_t milliseconds) {
        platform.clock += milliseconds;
        game->windows.runTimersUntil(platform.clock);
    }
    Form& form(const char* name) { return game->windows.form(name); }
    void click(const char* window, const char* control, int index = -1) {
        ASSERT_TRUE(game->windows.userClick(form(window).control(control, index)))
            << window << "." << control;
    }
    void pick(const char* window, const char* list, int position) {
        ASSERT_TRUE(game->windows.userPick(form(window).control(list), position));
    }
    // Runs the steps while the next modal window is open, then closes it with its title-bar button.
    void whileModal(const char* name, std::function<void()> steps) {
        QTimer::singleShot(0, [this, name, steps] {
            steps();
            if (Form* open = game->windows.loaded(name)) game->windows.userClose(*open);
        });
    }
    void expectLooks(const char* window, const QString& state) {
        QCoreApplication::processEvents();
        FormWindow* shown = this->window(window);
        ASSERT_NE(shown, nullptr) << window;
        expectApproved(QString::fromLatin1(window) + "-" + state, shown->grab().toImage());
    }
    // Play, with the options picked as a player picks them, Start.
    void play(int boards, int gameType) {
        whileModal("BngOptions", [this, boards, gameType] {
            pick("BngOptions", "Combo1", boards);
            pick("BngOptions", "Combo2", gameType);
            click("BngOptions", "Command1");
        });
        click("Form1", "bngPlay");
    }
};

TEST_F(Screens, MainWindowAndMessageBoardThroughARound) {
    expectLooks("Form1", "idle");
    play(0, 0);
    // Three balls, the third landed with its text; the free space daubed.
    advance(3 * 101 * 25 + 60 * 25);
    click("Form1", "Label1", 49);
    expectLooks("Form1", "one-card");
    expectLooks("Bingomsg", "regular");
    click("Form1", "bngPause");
    expectLooks("Bingomsg", "paused");
    expectLooks("Form1", "paused");
    click("Form1", "bngPlay");

    play(1, 6);
    advance(101 * 25 + 60 * 25);
    expectLooks("Form1", "two-cards");
    expectLooks("Bingomsg", "kite");
}

TEST_F(Screens, OutcomeDialogAndTheComputersCard) {
    play(0, 1);
    // No claim: the calls run out for the player, a computer player completes its corners.
    for (int call = 0; call < 80 && !game->windows.loaded("frmGamestatus"); ++call) advance(101 * 25);
    expectLooks("frmGamestatus", "game-over");
    expectLooks("Bingomsg", "computer-won");
    click("frmGamestatus", "cmdTryagain");

    // The player's four corners called: the claim wins.
    GameState& s = game->state;
    const int corners[] = {1, 5, 20, 24};
    s.CalledCount = 4;
    for (int k = 0; k < 4; ++k) s.CalledNumbers[k + 1] = s.Card1Numbers[corners[k]];
    click("Form1", "Command1");
    expectLooks("frmGamestatus", "won");
    expectLooks("Bingomsg", "won");
}

TEST_F(Screens, OptionsDialogWithItsSampleCards) {
    whileModal("BngOptions", [this] {
        expectLooks("BngOptions", "regular");
        for (const auto& [position, state] : {std::pair{4, "big-diamond"}, {6, "kite"}, {10, "any"}}) {
            pick("BngOptions", "Combo2", position);
            expectLooks("BngOptions", state);
        }
    });
    click("Form1", "bngPlay");
}

TEST_F(Screens, HelpViewerPagesAndGuide) {
    whileModal("frmHelp", [this] {
        expectLooks("frmHelp", "contents");
        click("frmHelp", "lblcontents", 0);
        expectLooks("frmHelp", "start");
        click("frmHelp", "cmdNext");
        expectLooks("frmHelp", "regular");
        click("frmHelp", "Command1");
        click("frmHelp", "lblcontents", 7);
        expectLooks("frmHelp", "kite");
    });
    click("Form1", "bngFullhelp");
    whileModal("BngOptions", [this] {
        whileModal("frmHelp", [this] {
            expectLooks("frmHelp", "guide");
            click("frmHelp", "lblobject", 3);
            expectLooks("frmHelp", "guide-players");
        });
        click("BngOptions", "cmdHelp");
    });
    click("Form1", "bngPlay");
}

TEST_F(Screens, AboutBox) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        expectApproved("about", box->grab().toImage());
        box->close();
    });
    click("Form1", "bnghelpabout");
}

} // namespace
