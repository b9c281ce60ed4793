#pragma once
// Plays the game with no display on a virtual clock, one command line in, one answer line out:
// "ok", "ok <value>" or "error <reason>", values in JSON.

#include "HeadlessPlatform.h"
#include "Json.h"
#include "ui/Daubery.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daubery {

class Driver {
public:
    // What a line gets back: ok with a value or none, or an error and why.
    struct Answer {
        bool ok = true;
        std::optional<json::Value> value;
        std::string text;
    };

    Driver();
    ~Driver();

    // Lines longer than this are refused whole.
    static constexpr std::size_t MaxLineLength = 65536;
    // The virtual clock stops here, far from where a timer's next tick would overflow.
    static constexpr std::int64_t MaxClock = 1'000'000'000'000'000'000;

    // One answer for one line: a line starting with # is a comment and answers ok.
    std::string execute(std::string_view line);

    Daubery* game() const { return game_.get(); }
    HeadlessPlatform* platform() const { return platform_.get(); }

private:
    // A window, or a control of it, and a property; the window may not be loaded yet.
    struct Target {
        Form* form = nullptr;
        Control* control = nullptr;
        std::string windowName;
        std::string controlName; // empty for the window itself
        int index = -1;
        ControlKind kind = ControlKind::Label;
        std::string property;
    };
    Answer run(std::string_view line);
    Answer start(std::string_view argument);
    Answer userAction(std::string_view verb, std::string_view argument);
    Answer get(std::string_view path);
    Answer set(std::string_view path, std::string_view valueText);
    Answer call(std::string_view argument);
    Answer advance(std::string_view argument);
    Answer respond(std::string_view argument);
    // Empty when a command could be queued for a responder, else why not.
    std::string checkQueued(std::string_view command);
    // Empty when the path names something in some window, or in the one named.
    std::string checkPath(std::string_view path, bool wantProperty);

    // Splits "Window.Control[3].property" and checks every name without loading the window; a path
    // inside a responder may leave out its window.
    std::optional<Target> resolve(std::string_view path, bool wantProperty, std::string& error);
    // Loads the target's window, running its load steps, when it is not loaded yet.
    void load(Target& target);
    // A window as its class builds it, not loaded: its controls' names, with no load steps run.
    std::unique_ptr<Form> layoutOf(std::string_view window);
    Answer stateField(std::string_view path, const json::Value* newValue);

    void answerModal(Form& form);
    void answerMessageBox();
    std::vector<std::string> takeResponder();
    void beginAnswers();

    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Daubery> game_;
    std::deque<std::vector<std::string>> responders_;
    json::Array responded_;
    std::vector<std::string> answering_; // the modal windows whose responders are running, innermost last
    std::string modalError_;
    int responding_ = 0;                             // responders running, message boxes' included
    std::uint64_t lineNumber_ = 0, answersLine_ = 0; // the command lines given, and the one answered last
};

} // namespace daubery
