#include "Driver.h"
#include "LineText.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>

// The game's state by name, read and written within the values the game itself holds.
namespace daubery {

namespace {

// The calls as the caller leaves them: distinct numbers 1 to 75 at positions 1 to CalledCount, which
// goes past 75 only once every number has been called.
bool callsHold(const GameState& s) {
    std::array<bool, 76> seen{};
    const int called = std::min(s.CalledCount, 75);
    for (int position = 1; position <= called; ++position) {
        const int number = s.CalledNumbers[position];
        if (number < 1 || number > 75 || seen[std::size_t(number)]) return false;
        seen[std::size_t(number)] = true;
    }
    return s.CalledCount <= 75 || called == 75;
}

} // namespace

Driver::Answer Driver::stateField(std::string_view path, const json::Value* newValue) {
    std::string_view name;
    std::vector<int> at;
    if (!line::splitIndexes(path, name, at)) return {false, {}, "malformed state path"};
    GameState& s = game_->state;
    Answer bad{false, {}, "no state " + std::string(path)};
    bool (*allowed)(long long) =
        nullptr; // the values the field can hold in play, when narrower than its type

    auto scalar = [&](auto& field) -> Answer {
        using T = std::remove_reference_t<decltype(field)>;
        if (!at.empty()) return bad;
        if (!newValue) {
            if constexpr (std::is_same_v<T, std::string>)
                return {true, json::Value(field), {}};
            else if constexpr (std::is_same_v<T, bool>)
                return {true, json::Value(field), {}};
            else
                return {true, json::Value(static_cast<long long>(field)), {}};
        }
        const Answer wrong{false, {}, "wrong value for " + std::string(name)};
        const T before = field;
        if constexpr (std::is_same_v<T, std::string>) {
            if (!newValue->string()) return wrong;
            field = *newValue->string();
        } else if constexpr (std::is_same_v<T, bool>) {
            if (!newValue->boolean()) return wrong;
            field = *newValue->boolean();
        } else {
            const auto n = newValue->integer();
            if (!n) return wrong;
            if (!std::in_range<T>(*n) || (allowed && !allowed(*n)))
                return {false, {}, "out of range for " + std::string(name)};
            field = T(*n);
        }
        if (!callsHold(s)) {
            field = before;
            return {false,
                    {},
                    "the called numbers would not be the caller's: distinct, 1 to 75, up to CalledCount"};
        }
        return {};
    };
    auto element = [&](auto& table, auto... rest) -> Answer {
        using TableT = std::remove_reference_t<decltype(table)>;
        if (at.size() != 1 + sizeof...(rest) || !TableT::holds(at[0])) return bad;
        if constexpr (sizeof...(rest) == 0) {
            const int position = at[0];
            at.clear();
            return scalar(table[position]);
        } else {
            auto& row = table[at[0]];
            using RowT = std::remove_reference_t<decltype(row)>;
            if (!RowT::holds(at[1])) return bad;
            const int inner = at[1];
            at.clear();
            return scalar(row[inner]);
        }
    };

    static const std::map<std::string, int, std::less<>> known = {
        {"GameType", 0},        {"GameName", 1},      {"RandomPick", 2},     {"BoardCount", 3},
        {"PcPlayerCount", 4},   {"CallInterval", 5},  {"GameActive", 6},     {"Paused", 7},
        {"CallElapsed", 8},     {"CalledNumbers", 9}, {"CalledColumns", 10}, {"CalledCount", 11},
        {"RollStep", 12},       {"BallFrame", 13},    {"Card1Numbers", 14},  {"Card2Numbers", 15},
        {"PcCardNumbers", 16},  {"Balance", 17},      {"Jackpot", 18},       {"JackpotLevel", 19},
        {"WinCount", 20},       {"PcHitCounts", 21},  {"PcWinner", 22},      {"PcWinCells", 23},
        {"PcWinCellCount", 24}, {"HelpPage", 25},     {"HelpOrigin", 26},    {"HelpFromOptions", 27},
        {"HelpTexts", 28}};
    const auto found = known.find(name);
    if (found == known.end()) return bad;
    // The ranges of the game's state: a value the game would never hold could make it misbehave.
    using Range = bool (*)(long long);
    static const std::map<int, Range> ranges = {
        {0, [](long long n) { return n >= 0 && n <= 12; }},                               // GameType
        {3, [](long long n) { return n >= 0 && n <= 2; }},                                // BoardCount
        {4, [](long long n) { return n >= 0 && n <= 6; }},                                // PcPlayerCount
        {5, [](long long n) { return n == 0 || n == 5000 || n == 10000 || n == 15000; }}, // CallInterval
        {8, [](long long n) { return n >= 0 && n <= 7500; }},                             // CallElapsed
        {9, [](long long n) { return n >= 0 && n <= 75; }},                               // CalledNumbers
        {10, [](long long n) { return n >= 0 && n <= 5; }},                               // CalledColumns
        {11, [](long long n) { return n >= 0 && n <= 77; }},                              // CalledCount
        {12, [](long long n) { return n >= 0 && n <= 57; }},                              // RollStep
        {13, [](long long n) { return n >= 0 && n <= 12; }},                              // BallFrame
        {14, [](long long n) { return n >= 0 && n <= 75; }},                              // Card1Numbers
        {15, [](long long n) { return n >= 0 && n <= 75; }},                              // Card2Numbers
        {16, [](long long n) { return n >= 0 && n <= 75; }},                              // PcCardNumbers
        {19, [](long long n) { return n >= 1; }},                                         // JackpotLevel
        {20, [](long long n) { return n >= 0; }},                                         // WinCount
        {21, [](long long n) { return n >= 0 && n <= 25; }},                              // PcHitCounts
        {22, [](long long n) { return n >= 0 && n <= 6; }},                               // PcWinner
        {23, [](long long n) { return n >= 0 && n <= 24; }},                              // PcWinCells
        {24, [](long long n) { return n >= 0 && n <= 24; }},                              // PcWinCellCount
        {25, [](long long n) { return n >= -1 && n <= 11; }},                             // HelpPage
        {26, [](long long n) { return n == 0 || n == 4; }},                               // HelpOrigin
        {27, [](long long n) { return n == 0 || n == 6; }},                               // HelpFromOptions
    };
    if (const auto range = ranges.find(found->second); range != ranges.end()) allowed = range->second;
    switch (found->second) {
    case 0:
        return scalar(s.GameType);
    case 1:
        return scalar(s.GameName);
    case 2:
        return scalar(s.RandomPick);
    case 3:
        return scalar(s.BoardCount);
    case 4:
        return scalar(s.PcPlayerCount);
    case 5:
        return scalar(s.CallInterval);
    case 6:
        return scalar(s.GameActive);
    case 7:
        return scalar(s.Paused);
    case 8:
        return scalar(s.CallElapsed);
    case 9:
        return element(s.CalledNumbers);
    case 10:
        return element(s.CalledColumns);
    case 11:
        return scalar(s.CalledCount);
    case 12:
        return scalar(s.RollStep);
    case 13:
        return scalar(s.BallFrame);
    case 14:
        return element(s.Card1Numbers);
    case 15:
        return element(s.Card2Numbers);
    case 16:
        return element(s.PcCardNumbers, 0);
    case 17:
        return scalar(s.Balance);
    case 18:
        return scalar(s.Jackpot);
    case 19:
        return scalar(s.JackpotLevel);
    case 20:
        return scalar(s.WinCount);
    case 21:
        return element(s.PcHitCounts);
    case 22:
        return scalar(s.PcWinner);
    case 23:
        return element(s.PcWinCells, 0);
    case 24:
        return scalar(s.PcWinCellCount);
    case 25:
        return scalar(s.HelpPage);
    case 26:
        return scalar(s.HelpOrigin);
    case 27:
        return scalar(s.HelpFromOptions);
    case 28:
        return element(s.HelpTexts);
    default:
        return bad;
    }
}

} // namespace daubery
