#pragma once
// A player at the table: the headless game driven through its command lines, with the moves of a
// round spelt out as a player makes them (open the options, pick, Start, wait for the next ball,
// press B I N G O) and the few looks into the game's state that a test needs to judge them.

#include "game/Bingos.h"
#include "game/GameState.h"
#include "headless/Driver.h"
#include "ui/Daubery.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace play {

using daubery::GameState;
using daubery::json::Value;

using Boxes = std::vector<std::pair<std::string, std::string>>;

inline constexpr int Red = 255, Yellow = 65535, Silver = 12632256;

// A round's choices as list positions of the options dialog; the defaults are the dialog's own.
struct Options {
    int boards = 0;    // Combo1: 0 "1 Board", 1 "2 Boards"
    int gameType = 0;  // Combo2: the game type's number minus one
    int seconds = 0;   // cmbSeconds: 0 "5 Seconds", 1 "10 Seconds", 2 "15 Seconds"
    int opponents = 0; // cmbPlayers: the number of computer players minus one
};

class Table {
public:
    explicit Table(long long seed = 7) { ok("start " + std::to_string(seed)); }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // One command line and its answer line.
    std::string operator()(std::string_view line) { return driver.execute(line); }

    void ok(std::string_view line) { EXPECT_EQ(driver.execute(line), "ok") << line; }
    void ignored(std::string_view line) { EXPECT_EQ(driver.execute(line), "ok ignored") << line; }

    Value get(std::string_view path) {
        const std::string answer = driver.execute("get " + std::string(path));
        if (answer.rfind("ok ", 0) != 0) {
            ADD_FAILURE() << "get " << path << ": " << answer;
            return {};
        }
        auto value = daubery::json::parse(std::string_view(answer).substr(3));
        if (!value) ADD_FAILURE() << "get " << path << " answers no JSON: " << answer;
        return value ? std::move(*value) : Value{};
    }
    static std::string textOf(const Value& v) { return v.string() ? *v.string() : "<not a text>"; }
    std::string text(std::string_view path) { return textOf(get(path)); }
    long long number(std::string_view path) { return get(path).integer().value_or(-999999); }
    bool flag(std::string_view path) {
        const Value v = get(path);
        return v.boolean() && *v.boolean();
    }
    std::vector<std::string> texts(std::string_view path) {
        std::vector<std::string> out;
        const Value list = get(path);
        if (const auto* items = list.array())
            for (const Value& item : *items) out.push_back(textOf(item));
        return out;
    }

    // Paths and what each must read: a flag, a number or a text.
    using Reads = std::vector<std::pair<std::string, Value>>;
    void expect(const Reads& reads) {
        for (const auto& [path, value] : reads)
            EXPECT_EQ(daubery::json::format(get(path)), daubery::json::format(value)) << path;
    }

    // The elements 0..count-1 of a control array that are visible: "frmHelp.imgHelp".
    std::vector<int> visibleOf(std::string_view array, int count) {
        std::vector<int> shown;
        for (int k = 0; k < count; ++k)
            if (flag(std::string(array) + "[" + std::to_string(k) + "].visible")) shown.push_back(k);
        return shown;
    }

    // The message boxes shown since the start, as titles and texts.
    Boxes messageBoxes() {
        Boxes boxes;
        const Value shown = get("msgboxes");
        if (const auto* list = shown.array())
            for (const Value& box : *list) {
                const auto* pair = box.array();
                if (pair && pair->size() == 2)
                    boxes.emplace_back(textOf((*pair)[0]), textOf((*pair)[1]));
                else
                    ADD_FAILURE() << "a message box is a title and a text";
            }
        return boxes;
    }

    // Play, the options picked, Start.
    void play(const Options& o = {}) {
        ok("respond pick Combo1 " + std::to_string(o.boards) + "; pick Combo2 " + std::to_string(o.gameType) +
           "; pick cmbSeconds " + std::to_string(o.seconds) + "; pick cmbPlayers " +
           std::to_string(o.opponents) + "; click Command1");
        ok("click Form1.bngPlay");
    }

    void ticks(int count) { ok("advance " + std::to_string(25 * count)); }

    // Caller ticks until the next number is called: CallInterval / 2 accumulated, then one more.
    int ticksToNextCall() const {
        const GameState& s = state();
        return s.CallElapsed > s.CallInterval / 2 ? 1 : (s.CallInterval / 2 - s.CallElapsed) / 25 + 1;
    }
    void nextCall() { ticks(ticksToNextCall()); }

    bool calling() { return flag("Form1.Timer1.enabled"); }
    bool outcomeShown() { return flag("frmGamestatus.loaded") && flag("frmGamestatus.visible"); }

    // Calls numbers until the player's cards hold the pattern (true) or the round is over (false).
    bool callUntilClaimable() {
        while (daubery::CheckPlayerBingo(state()) != daubery::Bingo) {
            if (!calling()) return false;
            nextCall();
        }
        return calling();
    }
    // Calls numbers with no claim until a computer player wins.
    void callUntilComputerWins() {
        for (int call = 0; call < 80 && calling(); ++call) nextCall();
    }

    GameState& state() const { return driver.game()->state; }
    daubery::Daubery& game() const { return *driver.game(); }

    daubery::Driver driver;
};

// The states of a round as the main window shows them.
enum class Round { Idle, Running, Paused, PlayerWon, ComputerWon };

inline void expectRound(Table& t, Round round) {
    const bool idle = round == Round::Idle, playing = round == Round::Running || round == Round::Paused;
    const bool over = round == Round::PlayerWon || round == Round::ComputerWon;
    Table::Reads reads{{"Form1.bngPlay.caption", idle ? "&Play" : "&End Play"},
                       {"Form1.Bngnext.visible", over},
                       {"Form1.Timer1.enabled", round == Round::Running},
                       {"Form1.Command1.visible", !idle},
                       {"state.GameActive", playing}};
    for (auto shown : {"Picture1", "lblBalance", "lblbalnce2", "lblWins", "lblWins2"})
        reads.emplace_back("Form1." + std::string(shown) + ".visible", !idle);
    if (idle)
        reads.insert(reads.end(), {{"Form1.bngPause.enabled", false}, {"Form1.Picture2.visible", false}});
    else
        reads.emplace_back("Form1.Command1.enabled", playing);
    if (playing)
        reads.insert(reads.end(), {{"Form1.bngPause.enabled", true},
                                   {"Form1.bngPause.caption", round == Round::Running ? "Pause" : "Unpause"},
                                   {"state.Paused", round == Round::Paused}});
    const bool moneyLeft = round == Round::PlayerWon || t.state().Balance >= 1;
    if (over) reads.emplace_back("Form1.Bngnext.caption", moneyLeft ? "&Next game" : "&Try Again");
    t.expect(reads);
    EXPECT_EQ(t.outcomeShown(), over);
}

// Traced at the line that expects the state.
#define EXPECT_ROUND(table, round)                                                                           \
    do {                                                                                                     \
        SCOPED_TRACE(#round);                                                                                \
        ::play::expectRound(table, round);                                                                   \
    } while (0)

// Deals rounds from successive seeds until the player's cards hold the pattern before any computer
// player's does; the round is left claimable. Returns the seed.
inline long long playUntilClaimable(Table& t, const Options& options = {}, long long seed = 1) {
    for (; seed < 1000; ++seed) {
        t.ok("start " + std::to_string(seed));
        t.play(options);
        if (t.callUntilClaimable()) return seed;
    }
    ADD_FAILURE() << "no seed lets the player win";
    return 0;
}

// The driver program playing a script file, read through a pipe as a client reads it: its answers,
// each with its newline, once the program has ended well.
inline std::vector<std::string> answersOverAPipe(const std::string& script) {
#ifdef _WIN32
    // cmd.exe takes off the outer quotes and leaves the program's and the file's own.
    FILE* program = _popen(("\"\"" DAUBERY_HEADLESS "\" < \"" + script + "\"\"").c_str(), "rb");
#else
    FILE* program = popen(("exec " DAUBERY_HEADLESS " < " + script).c_str(), "r");
#endif
    std::vector<std::string> answers;
    if (!program) {
        ADD_FAILURE() << "cannot start " DAUBERY_HEADLESS;
        return answers;
    }
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, program)) answers.emplace_back(buffer);
#ifdef _WIN32
    EXPECT_EQ(_pclose(program), 0);
#else
    EXPECT_EQ(pclose(program), 0);
#endif
    return answers;
}

// What the driver answers for each of the space-separated things named, in order.
inline std::vector<std::string> readings(Table& t, const std::string& names) {
    std::vector<std::string> seen;
    std::istringstream reads(names);
    for (std::string get; reads >> get;) seen.push_back(t("get " + get));
    return seen;
}

} // namespace play
