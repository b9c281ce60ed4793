#include "Driver.h"
#include "LineText.h"

#include <algorithm>
#include <array>
#include <limits>

// The game's state by name, read and written within the values the game itself holds.
namespace daubery {

namespace {

using Answer = Driver::Answer;
// The values a field can hold in play, where they are narrower than its type.
using Range = bool (*)(long long);

template <long long Low, long long High = std::numeric_limits<long long>::max()> bool between(long long n) {
    return n >= Low && n <= High;
}
template <long long... Values> bool oneOf(long long n) {
    return ((n == Values) || ...);
}

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

// One field read, or set to a new value, at the positions its path gives.
struct FieldRequest {
    GameState& state;
    std::string_view path;
    std::string_view name;
    std::vector<int> at;
    const json::Value* newValue;
    Range allowed = nullptr;

    Answer unknown() const { return {false, {}, "no state " + std::string(path)}; }

    template <class T> Answer scalar(T& field) {
        if (!at.empty()) return unknown();
        if (!newValue) {
            if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, bool>)
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
        if (!callsHold(state)) {
            field = before;
            return {false,
                    {},
                    "the called numbers would not be the caller's: distinct, 1 to 75, up to CalledCount"};
        }
        return {};
    }
    // An element of a table, or of a table of tables, one position from the path at a time.
    template <class TableT> Answer element(TableT& table) {
        if (at.empty() || !TableT::holds(at.front())) return unknown();
        auto& item = table[at.front()];
        at.erase(at.begin());
        if constexpr (requires { std::remove_reference_t<decltype(item)>::holds(0); })
            return element(item);
        else
            return scalar(item);
    }
};

struct Field {
    std::string_view name;
    Answer (*access)(FieldRequest&);
    Range range = nullptr;
};

// Every field of the game's state a driver may read or set, with the values the game holds in it.
#define STATE_FIELD(member, how, ...)                                                                        \
    {                                                                                                        \
#member, [](FieldRequest & r) { return r.how(r.state.member); }, __VA_ARGS__                         \
    }
const Field Fields[] = {
    STATE_FIELD(GameType, scalar, between<0, 12>),
    STATE_FIELD(GameName, scalar),
    STATE_FIELD(RandomPick, scalar),
    STATE_FIELD(BoardCount, scalar, between<0, 2>),
    STATE_FIELD(PcPlayerCount, scalar, between<0, 6>),
    STATE_FIELD(CallInterval, scalar, oneOf<0, 5000, 10000, 15000>),
    STATE_FIELD(GameActive, scalar),
    STATE_FIELD(Paused, scalar),
    STATE_FIELD(CallElapsed, scalar, between<0, 7500>),
    STATE_FIELD(CalledNumbers, element, between<0, 75>),
    STATE_FIELD(CalledColumns, element, between<0, 5>),
    STATE_FIELD(CalledCount, scalar, between<0, 77>),
    STATE_FIELD(RollStep, scalar, between<0, 57>),
    STATE_FIELD(BallFrame, scalar, between<0, 12>),
    STATE_FIELD(Card1Numbers, element, between<0, 75>),
    STATE_FIELD(Card2Numbers, element, between<0, 75>),
    STATE_FIELD(PcCardNumbers, element, between<0, 75>),
    STATE_FIELD(Balance, scalar),
    STATE_FIELD(Jackpot, scalar),
    STATE_FIELD(JackpotLevel, scalar, between<1>),
    STATE_FIELD(WinCount, scalar, between<0>),
    STATE_FIELD(PcHitCounts, element, between<0, 25>),
    STATE_FIELD(PcWinner, scalar, between<0, 6>),
    STATE_FIELD(PcWinCells, element, between<0, 24>),
    STATE_FIELD(PcWinCellCount, scalar, between<0, 24>),
    STATE_FIELD(HelpPage, scalar, between<-1, 11>),
    STATE_FIELD(HelpOrigin, scalar, oneOf<0, 4>),
    STATE_FIELD(HelpFromOptions, scalar, oneOf<0, 6>),
    STATE_FIELD(HelpTexts, element),
};
#undef STATE_FIELD

} // namespace

Driver::Answer Driver::stateField(std::string_view path, const json::Value* newValue) {
    FieldRequest request{game_->state, path, {}, {}, newValue};
    if (!line::splitIndexes(path, request.name, request.at)) return {false, {}, "malformed state path"};
    const auto field = std::find_if(std::begin(Fields), std::end(Fields),
                                    [&](const Field& f) { return f.name == request.name; });
    if (field == std::end(Fields)) return request.unknown();
    request.allowed = field->range;
    return field->access(request);
}

} // namespace daubery
