#include "Driver.h"

#include "game/Bingos.h"
#include "game/Caller.h"
#include "game/Dealing.h"
#include "game/Pcbingos.h"
#include "ui/Bingomsg.h"
#include "ui/BngOptions.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"
#include "ui/frmHelp.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <map>
#include <span>
#include <utility>

namespace daubery {

namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
    text = trim(text);
    const auto space = text.find_first_of(" \t");
    if (space == std::string_view::npos) return {text, {}};
    return {text.substr(0, space), trim(text.substr(space + 1))};
}

// A whole number as JSON writes one: an optional minus, digits with no leading zero, no plus sign.
std::optional<long long> wholeNumber(std::string_view text) {
    long long n = 0;
    text = trim(text);
    const std::string_view digits = text.substr(text.starts_with('-') ? 1 : 0);
    if (digits.empty() || digits.size() > 19 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

// "Label1[49]" into its name and index (-1 without one); "PcCardNumbers[2][17]" into two indexes.
bool splitIndexes(std::string_view segment, std::string_view& name, std::vector<int>& indexes) {
    const auto bracket = segment.find('[');
    name = segment.substr(0, bracket);
    if (name.empty()) return false;
    while (bracket != std::string_view::npos && !segment.substr(name.size()).empty()) {
        std::string_view rest = segment.substr(name.size());
        std::size_t at = 0;
        while (at < rest.size()) {
            if (rest[at] != '[') return false;
            const auto close = rest.find(']', at);
            if (close == std::string_view::npos) return false;
            // An element is named by a number from 0 up; no window or table is larger than this.
            const auto n = wholeNumber(rest.substr(at + 1, close - at - 1));
            if (!n || *n < 0 || *n > 1000000) return false;
            indexes.push_back(int(*n));
            at = close + 1;
        }
        break;
    }
    return true;
}

std::vector<std::string> splitCommands(std::string_view text) {
    std::vector<std::string> commands;
    std::string current;
    bool quoted = false, escaped = false;
    for (const char c : text) {
        if (escaped)
            escaped = false;
        else if (quoted && c == '\\')
            escaped = true;
        else if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            if (!trim(current).empty()) commands.emplace_back(trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!trim(current).empty()) commands.emplace_back(trim(current));
    return commands;
}

// A reason short enough to read, on one line: control characters escaped, the rest cut off.
std::string readable(std::string_view reason) {
    constexpr std::size_t MaxReason = 160;
    std::string out;
    for (const char c : reason) {
        if (out.size() >= MaxReason) {
            // Not inside a character of several bytes.
            while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
            if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
            return out + "...";
        }
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

json::Value windowStateValue(WindowState state) {
    return int(state);
}

// The properties the driver reads, which of them it writes, and the JSON each holds.
enum class Holds { Text, Flag, Number, Items };
struct Property {
    std::string_view name;
    Holds holds;
    bool settable;
};
constexpr Property ControlProperties[] = {
    {"caption", Holds::Text, true},     {"visible", Holds::Flag, true},      {"enabled", Holds::Flag, true},
    {"forecolor", Holds::Number, true}, {"backcolor", Holds::Number, true},  {"tooltip", Holds::Text, true},
    {"left", Holds::Number, true},      {"top", Holds::Number, true},        {"width", Holds::Number, true},
    {"height", Holds::Number, true},    {"x2", Holds::Number, false},        {"y2", Holds::Number, false},
    {"picture", Holds::Text, true},     {"list_index", Holds::Number, true}, {"text", Holds::Text, true},
    {"value", Holds::Number, true},     {"interval", Holds::Number, true},   {"items", Holds::Items, false},
    {"reachable", Holds::Flag, false}};
constexpr Property WindowProperties[] = {
    {"loaded", Holds::Flag, false},        {"caption", Holds::Text, true},  {"visible", Holds::Flag, true},
    {"window_state", Holds::Number, true}, {"left", Holds::Number, false},  {"top", Holds::Number, false},
    {"width", Holds::Number, true},        {"height", Holds::Number, true}, {"picture", Holds::Text, false},
    {"backcolor", Holds::Number, false}};

const Property* findProperty(bool ofControl, std::string_view name) {
    const std::span<const Property> known = ofControl ? std::span<const Property>(ControlProperties)
                                                      : std::span<const Property>(WindowProperties);
    for (const Property& property : known)
        if (property.name == name) return &property;
    return nullptr;
}

// A value the property can take; a window state is one of the three, a picture's name is short.
bool fits(const Property& property, const json::Value& value) {
    switch (property.holds) {
    case Holds::Text:
        return value.string() != nullptr &&
               (property.name != "picture" || PictureName::fits(*value.string()));
    case Holds::Flag:
        return value.boolean() != nullptr;
    case Holds::Number: {
        const auto n = value.integer();
        return n && std::in_range<int>(*n) && (property.name != "window_state" || (*n >= 0 && *n <= 2));
    }
    case Holds::Items:
        return false;
    }
    return false;
}

// A window as its class builds it, not loaded: its controls' names, with no load steps run.
std::unique_ptr<Form> windowLayout(Daubery& game, std::string_view window) {
    if (window == Form1::Name) return std::make_unique<Form1>(game);
    if (window == BngOptions::Name) return std::make_unique<BngOptions>(game);
    if (window == Bingomsg::Name) return std::make_unique<Bingomsg>(game);
    if (window == frmGamestatus::Name) return std::make_unique<frmGamestatus>(game);
    if (window == frmHelp::Name) return std::make_unique<frmHelp>(game);
    return nullptr;
}

} // namespace

Driver::Driver() = default;
Driver::~Driver() = default;

std::string Driver::execute(std::string_view line) {
    if (line.size() > MaxLineLength)
        return "error line too long: " + std::to_string(line.size()) + " bytes, at most " +
               std::to_string(MaxLineLength);
    if (trim(line).starts_with('#')) return "ok"; // a comment
    modalError_.clear();
    Answer answer = run(line);
    if (answer.ok && !modalError_.empty()) answer = Answer{false, {}, modalError_};
    modalError_.clear();
    if (!answer.ok) return "error " + readable(answer.text.empty() ? std::string("failed") : answer.text);
    if (answer.value) return "ok " + json::format(*answer.value);
    return answer.text.empty() ? "ok" : "ok " + answer.text;
}

Driver::Answer Driver::run(std::string_view line) {
    const auto [verb, argument] = splitWord(line);
    if (verb.empty()) return {false, {}, "empty command"};
    if (verb == "start") {
        // A fresh game would pull the windows away from under the event that opened the responder.
        if (responding_ > 0) return {false, {}, "start cannot run inside a responder"};
        return start(argument);
    }
    if (!game_) return {false, {}, "no game yet: start <seed>"};
    if (verb == "get") return get(argument);
    if (game_->windows.ended()) return {false, {}, "the program has ended"};
    if (verb == "click" || verb == "mouse_move" || verb == "mouse_up" || verb == "pick" || verb == "close")
        return userAction(verb, argument);
    if (verb == "set") {
        const auto [path, value] = splitWord(argument);
        return set(path, value);
    }
    if (verb == "call") return call(argument);
    if (verb == "advance") return advance(argument);
    if (verb == "respond") return respond(argument);
    return {false, {}, "unknown command " + std::string(verb)};
}

Driver::Answer Driver::start(std::string_view argument) {
    const auto seed = wholeNumber(argument);
    if (!seed) return {false, {}, "start needs a whole-number seed"};
    game_.reset();
    platform_ = std::make_unique<HeadlessPlatform>();
    platform_->answerModal = [this](Form& form) { answerModal(form); };
    platform_->answerMessageBox = [this] { answerMessageBox(); };
    responders_.clear();
    responded_.clear();
    answering_.clear();
    game_ = std::make_unique<Daubery>(*platform_);
    game_->rnd.seed(std::uint64_t(*seed));
    game_->start();
    return {};
}

std::optional<Driver::Target> Driver::resolve(std::string_view path, bool wantProperty, std::string& error) {
    std::vector<std::string_view> segments;
    for (std::size_t at = 0;;) {
        const auto dot = path.find('.', at);
        segments.push_back(
            path.substr(at, dot == std::string_view::npos ? std::string_view::npos : dot - at));
        if (dot == std::string_view::npos) break;
        at = dot + 1;
    }
    Target target;
    std::size_t next = 0;
    if (game_->windows.defines(segments[0])) {
        target.windowName = std::string(segments[0]);
        next = 1;
    } else if (!answering_.empty()) {
        target.windowName = answering_.back();
    } else {
        error = "unknown window " + std::string(segments[0]);
        return std::nullopt;
    }
    target.form = game_->windows.loaded(target.windowName);
    // Names are judged against the window's own controls, built apart when it is not loaded, so
    // that a wrong name never loads it.
    const std::unique_ptr<Form> layout = target.form ? nullptr : windowLayout(*game_, target.windowName);
    if (!target.form && !layout) {
        error = "unknown window " + target.windowName;
        return std::nullopt;
    }
    const Form& controls = target.form ? *target.form : *layout;

    if (next < segments.size()) {
        std::string_view name;
        std::vector<int> indexes;
        if (!splitIndexes(segments[next], name, indexes) || indexes.size() > 1) {
            error = "malformed path " + std::string(path);
            return std::nullopt;
        }
        const int index = indexes.empty() ? -1 : indexes[0];
        const Control* control = controls.find(name, index);
        if (!control && index >= 0 && controls.find(name)) {
            error = std::string(name) + " is not an array";
            return std::nullopt;
        }
        const bool isControl = control != nullptr;
        const bool windowProperty = !isControl && indexes.empty() && next + 1 == segments.size();
        if (!windowProperty) {
            if (!isControl) {
                error = "unknown control " + std::string(segments[next]);
                return std::nullopt;
            }
            target.controlName = std::string(name);
            target.index = index;
            target.kind = control->kind();
            target.control = target.form ? target.form->find(name, index) : nullptr;
            ++next;
        }
    }
    if (next < segments.size()) target.property = std::string(segments[next++]);
    if (next != segments.size() || (wantProperty && target.property.empty()) ||
        (!wantProperty && !target.property.empty())) {
        error = "malformed path " + std::string(path);
        return std::nullopt;
    }
    if (wantProperty && !findProperty(!target.controlName.empty(), target.property)) {
        error =
            (target.controlName.empty() ? "unknown window property " : "unknown property ") + target.property;
        return std::nullopt;
    }
    return target;
}

void Driver::load(Target& target) {
    if (target.form) return;
    target.form = &game_->windows.form(target.windowName);
    if (!target.controlName.empty()) target.control = target.form->find(target.controlName, target.index);
}

Driver::Answer Driver::userAction(std::string_view verb, std::string_view argument) {
    std::string path(argument);
    int position = 0;
    if (verb == "pick") {
        const auto [list, index] = splitWord(argument);
        const auto n = wholeNumber(index);
        if (!n || !std::in_range<int>(*n)) return {false, {}, "pick needs a list and a position"};
        path = std::string(list);
        position = int(*n);
    }
    std::string error;
    Windows& windows = game_->windows;
    if (verb == "close") {
        if (!windows.defines(path)) return {false, {}, "unknown window " + path};
        Form* form = windows.loaded(path);
        return form && windows.userClose(*form) ? Answer{} : Answer{true, {}, "ignored"};
    }
    const auto target = resolve(path, false, error);
    if (!target) return {false, {}, error};
    if (target->controlName.empty()) return {false, {}, path + " is not a control"};
    if (verb == "pick" && target->kind != ControlKind::List) return {false, {}, path + " is not a list"};
    if (!target->control) return {true, {}, "ignored"}; // its window is not loaded
    Control& control = *target->control;
    bool received = false;
    if (verb == "click") received = windows.userClick(control);
    if (verb == "mouse_move") received = windows.userMouseMove(control);
    if (verb == "mouse_up") received = windows.userMouseUp(control);
    if (verb == "pick") {
        if (position < 0 || position >= int(control.items().size()))
            return {false, {}, "no such list position"};
        received = windows.userPick(control, position);
    }
    return received ? Answer{} : Answer{true, {}, "ignored"};
}

Driver::Answer Driver::get(std::string_view path) {
    path = trim(path);
    if (path == "msgboxes") {
        json::Array boxes;
        for (const auto& [title, text] : platform_->messageBoxes) boxes.push_back(json::Array{title, text});
        return {true, json::Value(std::move(boxes)), {}};
    }
    if (path == "beeps") return {true, platform_->beeps, {}};
    if (path == "commands") {
        json::Array commands;
        for (const auto& [line, style] : platform_->commands) commands.push_back(json::Array{line, style});
        return {true, json::Value(std::move(commands)), {}};
    }
    if (path == "responded") return {true, json::Value(responded_), {}};
    if (path == "responders") return {true, int(responders_.size()), {}};
    if (path == "ended") return {true, game_->windows.ended(), {}};
    if (path == "clock") return {true, static_cast<long long>(platform_->clock), {}};
    if (path.substr(0, 6) == "state.") return stateField(path.substr(6), nullptr);
    if (game_->windows.ended()) return {false, {}, "the program has ended"};

    std::string error;
    auto target = resolve(path, true, error);
    if (!target) return {false, {}, error};
    const std::string& p = target->property;
    if (target->controlName.empty()) {
        if (p == "loaded") return {true, target->form != nullptr, {}};
        load(*target); // any other read loads the window
        const Form& form = *target->form;
        if (p == "caption") return {true, form.caption(), {}};
        if (p == "visible") return {true, form.visible(), {}};
        if (p == "window_state") return {true, windowStateValue(form.windowState()), {}};
        if (p == "left") return {true, form.left(), {}};
        if (p == "top") return {true, form.top(), {}};
        if (p == "width") return {true, form.width(), {}};
        if (p == "height") return {true, form.height(), {}};
        if (p == "picture") return {true, form.picture().str(), {}};
        if (p == "backcolor") return {true, form.backColor(), {}};
        return {false, {}, "unknown window property " + p};
    }
    load(*target);
    const Control& c = *target->control;
    if (p == "caption") return {true, c.caption(), {}};
    if (p == "visible") return {true, c.visible(), {}};
    if (p == "enabled") return {true, c.enabled(), {}};
    if (p == "forecolor") return {true, c.foreColor(), {}};
    if (p == "backcolor") return {true, c.backColor(), {}};
    if (p == "tooltip") return {true, c.tooltip(), {}};
    if (p == "left") return {true, c.left(), {}};
    if (p == "top") return {true, c.top(), {}};
    if (p == "width") return {true, c.width(), {}};
    if (p == "height") return {true, c.height(), {}};
    if (p == "x2") return {true, c.x2(), {}};
    if (p == "y2") return {true, c.y2(), {}};
    if (p == "picture") return {true, c.picture().str(), {}};
    if (p == "list_index") return {true, c.listIndex(), {}};
    if (p == "text") return {true, c.text(), {}};
    if (p == "value") return {true, c.value(), {}};
    if (p == "interval") return {true, c.interval(), {}};
    if (p == "items") {
        json::Array items;
        for (const auto& item : c.items()) items.emplace_back(item);
        return {true, json::Value(std::move(items)), {}};
    }
    if (p == "reachable") return {true, game_->windows.reachable(c), {}};
    return {false, {}, "unknown property " + p};
}

Driver::Answer Driver::set(std::string_view path, std::string_view valueText) {
    const auto value = json::parse(trim(valueText));
    if (!value) return {false, {}, "set needs a JSON value"};
    if (path.substr(0, 6) == "state.") return stateField(path.substr(6), &*value);
    std::string error;
    auto target = resolve(path, true, error);
    if (!target) return {false, {}, error};
    const std::string& p = target->property;
    const auto number = value->integer();
    const bool* flag = value->boolean();
    const std::string* text = value->string();
    Answer wrongType{false, {}, "wrong value for " + p};
    // Judged before the window is loaded, so a wrong value changes nothing.
    const Property* property = findProperty(!target->controlName.empty(), p);
    if (!property || !property->settable || !fits(*property, *value)) return wrongType;
    load(*target);
    Windows& windows = game_->windows;
    bool done = false;
    windows.dispatch([&] {
        if (target->controlName.empty()) {
            Form& form = *target->form;
            if (p == "caption" && text) form.setCaption(*text), done = true;
            if (p == "visible" && flag) *flag ? windows.show(form) : windows.hide(form), done = true;
            if (p == "window_state" && number && *number >= 0 && *number <= 2)
                form.setWindowState(WindowState(*number)), done = true;
            if (p == "width" && number) form.setWidth(int(*number)), done = true;
            if (p == "height" && number) form.setHeight(int(*number)), done = true;
            return;
        }
        Control& c = *target->control;
        if (p == "caption" && text) c.setCaption(*text), done = true;
        if (p == "visible" && flag) c.setVisible(*flag), done = true;
        if (p == "enabled" && flag) c.setEnabled(*flag), done = true;
        if (p == "forecolor" && number) c.setForeColor(int(*number)), done = true;
        if (p == "backcolor" && number) c.setBackColor(int(*number)), done = true;
        if (p == "tooltip" && text) c.setTooltip(*text), done = true;
        if (p == "left" && number) c.setLeft(int(*number)), done = true;
        if (p == "top" && number) c.setTop(int(*number)), done = true;
        if (p == "width" && number) c.setWidth(int(*number)), done = true;
        if (p == "height" && number) c.setHeight(int(*number)), done = true;
        if (p == "picture" && text) c.setPicture(*text), done = true;
        if (p == "list_index" && number) c.setListIndex(int(*number)), done = true;
        if (p == "text" && text) c.setText(*text), done = true;
        if (p == "value" && number) c.setValue(int(*number)), done = true;
        if (p == "interval" && number) c.setInterval(int(*number)), done = true;
    });
    return done ? Answer{} : wrongType;
}

Driver::Answer Driver::stateField(std::string_view path, const json::Value* newValue) {
    std::string_view name;
    std::vector<int> at;
    if (!splitIndexes(path, name, at)) return {false, {}, "malformed state path"};
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
        if constexpr (std::is_same_v<T, std::string>) {
            if (!newValue->string()) return bad;
            field = *newValue->string();
        } else if constexpr (std::is_same_v<T, bool>) {
            if (!newValue->boolean()) return bad;
            field = *newValue->boolean();
        } else {
            const auto n = newValue->integer();
            if (!n || !std::in_range<T>(*n)) return bad;
            if (allowed && !allowed(*n)) return {false, {}, "out of range for " + std::string(name)};
            field = T(*n);
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

Driver::Answer Driver::call(std::string_view argument) {
    const auto [procedure, rest] = splitWord(argument);
    Daubery& g = *game_;
    GameState& s = g.state;
    const auto number = wholeNumber(rest);
    Answer answer;
    // Built in place: moving a value into the answer trips a false "maybe uninitialized" in GCC.
    auto boolean = [](bool b) {
        Answer a;
        a.value.emplace(b);
        return a;
    };
    auto integer = [](int n) {
        Answer a;
        a.value.emplace(n);
        return a;
    };
    // A computer player's check that finds a winner shows the winning card and announces the win.
    auto computerCheck = [&](bool (*check)(GameState&)) {
        const bool won = check(s);
        if (won) {
            g.ShowPcWinningCard(s.PcWinner);
            g.AnnouncePcWin(s.PcWinner);
        }
        return boolean(won);
    };

    using Procedure = std::function<Answer()>;
    const std::map<std::string_view, Procedure> procedures = {
        {"NewGame",
         [&] {
             g.NewGame();
             return Answer{};
         }},
        {"DealPcCards",
         [&] {
             DealPcCards(s, g.rnd);
             return Answer{};
         }},
        {"DrawNextNumber",
         [&] {
             const int pos = DrawNextNumber(s, g.rnd);
             if (pos == NoNumberLeft) g.mainWindow().control("Timer1").setEnabled(false);
             return pos == NoNumberLeft ? Answer{true, json::Value(nullptr), {}} : integer(pos);
         }},
        {"RunComputerPlayers",
         [&] {
             g.RunComputerPlayers();
             return Answer{};
         }},
        {"CheckPlayerBingo", [&] { return integer(CheckPlayerBingo(s)); }},
        {"CheckBigDiamond", [&] { return integer(CheckBigDiamond(s)); }},
        {"CheckSmallDiamond", [&] { return integer(CheckSmallDiamond(s)); }},
        {"CheckKite", [&] { return integer(CheckKite(s)); }},
        {"CheckBigFrame", [&] { return integer(CheckBigFrame(s)); }},
        {"CheckLittleFrame", [&] { return integer(CheckLittleFrame(s)); }},
        {"CheckRailroad", [&] { return integer(CheckRailroad(s)); }},
        {"CheckAnyBingo", [&] { return integer(CheckAnyBingo(s)); }},
        {"CheckPcRegular", [&] { return computerCheck(CheckPcRegular); }},
        {"CheckPcFourCorners", [&] { return computerCheck(CheckPcFourCorners); }},
        {"CheckPcCoverAll", [&] { return computerCheck(CheckPcCoverAll); }},
        {"CheckPcPostageStamp", [&] { return computerCheck(CheckPcPostageStamp); }},
        {"CheckPcBigDiamond", [&] { return computerCheck(CheckPcBigDiamond); }},
        {"CheckPcSmallDiamond", [&] { return computerCheck(CheckPcSmallDiamond); }},
        {"CheckPcKite", [&] { return computerCheck(CheckPcKite); }},
        {"CheckPcBigFrame", [&] { return computerCheck(CheckPcBigFrame); }},
        {"CheckPcLittleFrame", [&] { return computerCheck(CheckPcLittleFrame); }},
        {"CheckPcRailroad", [&] { return computerCheck(CheckPcRailroad); }},
        {"CheckPcAnyBingo", [&] { return computerCheck(CheckPcAnyBingo); }},
        {"TogglePause",
         [&] {
             g.TogglePause();
             return Answer{};
         }},
        {"ShowGameHelp",
         [&] {
             g.ShowGameHelp();
             return Answer{};
         }},
        {"OpenWebSite",
         [&] {
             g.OpenWebSite();
             return Answer{};
         }},
        {"About",
         [&] {
             g.About();
             return Answer{};
         }},
        {"ShowExample",
         [&] {
             g.optionsDialog().ShowExample();
             return Answer{};
         }},
        {"RollBallStep",
         [&] {
             // The ball's own step counter, or a step given for this call alone.
             if (rest.empty()) {
                 g.mainWindow().RollBallStep(s.RollStep);
                 return Answer{};
             }
             if (!number || !std::in_range<std::int16_t>(*number)) return Answer{false, {}, "needs a step"};
             std::int16_t step = std::int16_t(*number);
             g.mainWindow().RollBallStep(step);
             return Answer{};
         }},
        {"PcPlayerName",
         [&] {
             // The player's number, or a text that holds it.
             const auto value = json::parse(rest);
             const std::string player = value && value->string() ? *value->string() : std::string(rest);
             return Answer{true, json::Value(PcPlayerName(player)), {}};
         }},
        {"ShowPcWinningCard",
         [&] {
             if (!number || *number < 1 || *number > 7) return Answer{false, {}, "needs a player 1..7"};
             g.ShowPcWinningCard(int(*number));
             return Answer{};
         }},
        {"AnnouncePcWin",
         [&] {
             if (!number || *number < 1 || *number > 7) return Answer{false, {}, "needs a player 1..7"};
             g.AnnouncePcWin(int(*number));
             return Answer{};
         }},
    };
    if (const auto found = procedures.find(procedure); found != procedures.end()) {
        constexpr std::string_view WithArgument[] = {"PcPlayerName", "ShowPcWinningCard", "AnnouncePcWin",
                                                     "RollBallStep"};
        if (!rest.empty() && std::ranges::find(WithArgument, procedure) == std::end(WithArgument))
            return {false, {}, std::string(procedure) + " takes no argument"};
        g.windows.dispatch([&] { answer = found->second(); });
        return answer;
    }

    // A window's event handler: Form1.Command1_Click, Form1.Label1_Click 5, Bingomsg.Form_Load; inside
    // a responder, the handlers of the window it answers also without the window's name.
    const auto dot = procedure.find('.');
    const auto underscore = procedure.rfind('_');
    const bool ownWindow = dot == std::string_view::npos && !answering_.empty();
    if ((dot == std::string_view::npos && !ownWindow) || underscore == std::string_view::npos ||
        (!ownWindow && underscore < dot))
        return {false, {}, "unknown procedure " + std::string(procedure)};
    const std::string_view window =
        ownWindow ? std::string_view(answering_.back()) : procedure.substr(0, dot);
    const std::size_t nameAt = ownWindow ? 0 : dot + 1;
    const std::string_view controlName = procedure.substr(nameAt, underscore - nameAt);
    const std::string_view event = procedure.substr(underscore + 1);
    if (!g.windows.defines(window)) return {false, {}, "unknown window " + std::string(window)};
    if (!rest.empty() && !number) return {false, {}, "no such element " + std::string(rest)};
    constexpr std::string_view FormEvents[] = {"Load", "Unload", "Activate", "Resize", "Terminate"};
    constexpr std::string_view ControlEvents[] = {"Click", "Change", "MouseMove", "MouseUp", "Timer"};
    const bool formEvent = controlName == "Form";
    const auto events = formEvent ? std::span<const std::string_view>(FormEvents)
                                  : std::span<const std::string_view>(ControlEvents);
    if (std::ranges::find(events, event) == events.end())
        return {false, {}, "unknown event " + std::string(event)};
    if (formEvent && number) return {false, {}, "a window's event takes no element"};
    if (number && (*number < 0 || !std::in_range<int>(*number)))
        return {false, {}, "no such element " + std::string(rest)};
    const int index = number ? int(*number) : -1;
    if (!formEvent) {
        // The name is judged before the window is loaded, so a wrong one changes nothing.
        const std::unique_ptr<Form> layout = g.windows.loaded(window) ? nullptr : windowLayout(g, window);
        const Form& controls = layout ? *layout : *g.windows.loaded(window);
        const Control* control = controls.find(controlName, index);
        if (!control && index >= 0 && controls.find(controlName))
            return {false, {}, std::string(controlName) + " is not an array"};
        if (!control) return {false, {}, "unknown control " + std::string(controlName)};
        const std::function<void()>* handlers[] = {&control->onClick, &control->onChange,
                                                   &control->onMouseMove, &control->onMouseUp,
                                                   &control->onTimer};
        const auto at = std::size_t(std::ranges::find(ControlEvents, event) - std::begin(ControlEvents));
        if (!*handlers[at]) return {false, {}, "unknown procedure " + std::string(procedure)};
    }
    Form& form = g.windows.form(window);
    std::function<void()> handler;
    if (formEvent) {
        if (event == "Load") handler = [&form] { form.Form_Load(); };
        if (event == "Unload") handler = [&form] { form.Form_Unload(); };
        if (event == "Activate") handler = [&form] { form.Form_Activate(); };
        if (event == "Resize") handler = [&form] { form.Form_Resize(); };
        // The main window's last event ends the program, as its unload does; no other window has one.
        if (event == "Terminate" && form.name() == Form1::Name) handler = [&g] { g.windows.end(); };
        g.windows.dispatch(handler);
        return {};
    }
    const Control& control = form.control(controlName, index);
    if (event == "Click") handler = control.onClick;
    if (event == "Change") handler = control.onChange;
    if (event == "MouseMove") handler = control.onMouseMove;
    if (event == "MouseUp") handler = control.onMouseUp;
    if (event == "Timer") handler = control.onTimer;
    g.windows.dispatch(handler);
    return {};
}

Driver::Answer Driver::advance(std::string_view argument) {
    const auto ms = wholeNumber(argument);
    if (!ms || *ms < 0) return {false, {}, "advance needs milliseconds"};
    if (*ms > std::numeric_limits<std::int64_t>::max() - platform_->clock)
        return {false, {}, "advance goes past the end of the clock"};
    const std::int64_t until = platform_->clock + *ms;
    // Every tick due by then, each with the clock at its own time.
    game_->windows.runTimersUntil(until);
    platform_->clock = until;
    return {};
}

Driver::Answer Driver::respond(std::string_view argument) {
    argument = trim(argument);
    if (argument == "clear") {
        responders_.clear();
        return {};
    }
    responders_.push_back(splitCommands(argument));
    return {};
}

std::vector<std::string> Driver::takeResponder() {
    std::vector<std::string> commands = std::move(responders_.front());
    responders_.pop_front();
    return commands;
}

void Driver::answerModal(Form& form) {
    Windows& windows = game_->windows;
    if (responders_.empty()) {
        modalError_ = "modal window " + form.name() + " shown with no responder queued";
        windows.unload(form);
        return;
    }
    const std::vector<std::string> commands = takeResponder();
    answering_.push_back(form.name());
    ++responding_;
    json::Array answers;
    for (const std::string& command : commands) {
        // The modal loop ends with its window: later commands would run where the program never is,
        // between the window's closing and the rest of the handler that showed it.
        if (windows.ended())
            answers.emplace_back("error the program has ended");
        else if (windows.loaded(form.name()) != &form || !form.visible())
            answers.emplace_back("error " + form.name() + " has closed");
        else
            answers.emplace_back(execute(command));
    }
    --responding_;
    answering_.pop_back();
    responded_ = std::move(answers);
    // A window the responder left open is closed as by its title-bar button.
    if (windows.loaded(form.name()) == &form && form.visible()) windows.userClose(form);
    if (windows.loaded(form.name()) == &form && form.visible()) windows.unload(form);
}

void Driver::answerMessageBox() {
    if (responders_.empty()) return;
    const std::vector<std::string> commands = takeResponder();
    ++responding_;
    json::Array answers;
    for (const std::string& command : commands) answers.emplace_back(execute(command));
    --responding_;
    responded_ = std::move(answers);
}

} // namespace daubery
