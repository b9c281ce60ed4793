#pragma once
// What the windows need from the machine they run on: a clock, message boxes, the beep, command
// lines, modal loops and the end of the program. The desktop and the headless driver each give one.

#include <cstdint>
#include <string>

namespace daubery {

class Form;
class Windows;

enum class WindowStyle { Hidden = 0, NormalNoFocus = 4 };

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds since the program started, the timers' clock.
    virtual std::int64_t now() = 0;
    // A value that changes with time, mixed into the generator when it is reseeded.
    virtual std::uint64_t clockSeed() = 0;
    // A timer's tick due at this time is about to run; a clock of the platform's own may move to it.
    virtual void tickAt(std::int64_t /*due*/) {}

    // A window was created: the desktop shows it with widgets; headless does nothing.
    virtual void attach(Form& form) = 0;
    virtual void detach(Form& form) = 0;
    virtual void show(Form& form) = 0;
    virtual void hide(Form& form) = 0;
    // Runs until the modal window is closed; timers keep firing meanwhile.
    virtual void runModal(Form& form) = 0;
    // A modal box with a title, a text and only an OK button.
    virtual void messageBox(const std::string& title, const std::string& text) = 0;
    virtual void beep() = 0;
    // Says at once what a player who cannot see the screen must hear (a call, a claim's answer),
    // wherever the keyboard is: the desktop tells its screen reader; headless keeps quiet.
    virtual void announce(const std::string& /*news*/) {}
    // Starts a command line; false when it could not be started.
    virtual bool runCommand(const std::string& commandLine, WindowStyle style) = 0;
    virtual void pumpEvents() = 0;
    // The timers changed: the next tick is due at Windows::nextDue().
    virtual void timersChanged() = 0;
    virtual void quit() = 0;
};

} // namespace daubery
