#include "Driver.h"
#include "LineText.h"

namespace daubery {

using line::readable;
using line::splitCommands;
using line::splitWord;
using line::trim;
using line::wholeNumber;

Driver::Driver() = default;
Driver::~Driver() = default;

std::string Driver::execute(std::string_view line) {
    if (line.size() > MaxLineLength)
        return "error line too long: " + std::to_string(line.size()) + " bytes, at most " +
               std::to_string(MaxLineLength);
    if (trim(line).starts_with('#')) return "ok"; // a comment
    if (responding_ == 0) ++lineNumber_;
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

Driver::Answer Driver::userAction(std::string_view verb, std::string_view argument) {
    std::string path(argument);
    int position = 0;
    if (verb == "pick") {
        const auto [list, index] = splitWord(argument);
        const auto n = wholeNumber(index);
        if (!n || !std::in_range<int>(*n)) return {false, {}, "pick needs a list and a position"};
        if (*n < 0) return {false, {}, "no such list position"};
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

Driver::Answer Driver::advance(std::string_view argument) {
    const auto ms = wholeNumber(argument);
    if (!ms || *ms < 0) return {false, {}, "advance needs milliseconds"};
    if (*ms > MaxClock - platform_->clock) return {false, {}, "advance goes past the end of the clock"};
    const std::int64_t until = platform_->clock + *ms;
    // Every tick due by then, each with the clock at its own time.
    game_->windows.runTimersUntil(until);
    platform_->clock = until;
    return {};
}

Driver::Answer Driver::respond(std::string_view argument) {
    const auto [first, rest] = splitWord(argument);
    if (first == "clear") {
        if (!rest.empty()) return {false, {}, "respond clear takes nothing after it"};
        responders_.clear();
        return {};
    }
    std::vector<std::string> commands = splitCommands(argument);
    for (const std::string& command : commands)
        if (std::string error = checkQueued(command); !error.empty()) return {false, {}, error};
    responders_.push_back(std::move(commands));
    return {};
}

// What a queued command names is judged when it is queued; what depends on the game, when it runs.
std::string Driver::checkQueued(std::string_view command) {
    const auto [verb, argument] = splitWord(command);
    if (verb == "start") return "start cannot run inside a responder";
    if (verb == "respond") {
        const auto [first, rest] = splitWord(argument);
        if (first == "clear") return rest.empty() ? "" : "respond clear takes nothing after it";
        for (const std::string& inner : splitCommands(argument))
            if (std::string error = checkQueued(inner); !error.empty()) return error;
        return {};
    }
    if (verb == "advance") return wholeNumber(argument).value_or(-1) < 0 ? "advance needs milliseconds" : "";
    if (verb == "call") return argument.empty() ? "call needs a procedure" : "";
    if (verb == "close")
        return game_->windows.defines(argument) ? "" : "unknown window " + std::string(argument);
    if (verb == "get") return checkPath(argument, true);
    if (verb == "set") {
        const auto [path, value] = splitWord(argument);
        if (!json::parse(value)) return "set needs a JSON value";
        return checkPath(path, true);
    }
    if (verb == "pick") {
        const auto [list, position] = splitWord(argument);
        if (wholeNumber(position).value_or(-1) < 0) return "pick needs a list and a position";
        return checkPath(list, false);
    }
    if (verb == "click" || verb == "mouse_move" || verb == "mouse_up") return checkPath(argument, false);
    return "unknown command " + std::string(verb);
}

std::vector<std::string> Driver::takeResponder() {
    std::vector<std::string> commands = std::move(responders_.front());
    responders_.pop_front();
    return commands;
}

void Driver::answerModal(Form& form) {
    Windows& windows = game_->windows;
    beginAnswers();
    if (responders_.empty()) {
        modalError_ = "modal window " + form.name() + " shown with no responder queued";
    } else {
        const std::vector<std::string> commands = takeResponder();
        answering_.push_back(form.name());
        ++responding_;
        for (const std::string& command : commands) {
            // The modal loop ends with its window: later commands would run where the program never is,
            // between the window's closing and the rest of the handler that showed it.
            if (windows.ended())
                responded_.emplace_back("error the program has ended");
            else if (windows.loaded(form.name()) != &form || !form.visible())
                responded_.emplace_back("error " + form.name() + " has closed");
            else
                responded_.emplace_back(execute(command));
        }
        --responding_;
        answering_.pop_back();
    }
    // A window left open is closed as by its title-bar button, running its closing steps.
    if (windows.loaded(form.name()) == &form && form.visible()) windows.userClose(form);
    if (windows.loaded(form.name()) == &form && form.visible()) windows.unload(form);
}

void Driver::answerMessageBox() {
    beginAnswers();
    if (responders_.empty()) return;
    const std::vector<std::string> commands = takeResponder();
    ++responding_;
    for (const std::string& command : commands) responded_.emplace_back(execute(command));
    --responding_;
}

// Every responder run for one command line, nested ones included, adds its answers in the order given.
void Driver::beginAnswers() {
    if (answersLine_ == lineNumber_) return;
    answersLine_ = lineNumber_;
    responded_.clear();
}

} // namespace daubery
