#pragma once
// The life of every window: created with its load steps on first use, shown modally or not,
// unloaded with its values. Also the events from the player and the timers, one at a time.

#include "Form.h"
#include "Platform.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace daubery {

class Windows {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    explicit Windows(Platform& platform);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Platform& platform() const { return platform_; }

    // Every window the program has, by name; created when first used.
    void define(const std::string& name, Factory factory);
    bool defines(std::string_view name) const;
    Form& form(std::string_view name); // loads the window if it is not loaded
    Form* loaded(std::string_view name) const;
    template <class Window> Window& get() { return static_cast<Window&>(formNamedBy(Window::Name)); }

    void show(Form& form, bool modal = false);
    void hide(Form& form);
    void unload(Form& form);
    void unloadIfLoaded(std::string_view name);
    void activated(Form& form);

    // The player's actions; false when the control could not receive them on screen.
    bool reachable(const Control& control) const;
    bool userClick(Control& control);
    bool userMouseMove(Control& control);
    bool userMouseUp(Control& control);
    bool userPick(Control& list, int position);
    bool userClose(Form& form);
    bool userSetWindowState(Form& form, WindowState state);

    // Runs one event; windows unloaded during it are destroyed once the outermost event is over.
    template <class Event> void dispatch(Event&& event) {
        if constexpr (std::is_same_v<std::remove_cvref_t<Event>, std::function<void()>>)
            if (!event) return;
        if (ended_) return;
        ++depth_;
        event();
        if (--depth_ == 0 && !unloaded_.empty()) unloaded_.clear();
    }

    // A message box: while it is open no other window can be reached.
    void messageBox(const std::string& title, const std::string& text);
    // Says at once, to a player who cannot see the screen, what has just happened.
    void announce(const std::string& news) {
        if (!ended_) platform_.announce(news);
    }
    bool modalOpen() const { return !modal_.empty() || messageBoxOpen_ > 0; }
    Form* topModal() const { return modal_.empty() ? nullptr : modal_.back(); }

    // Timers keep their phase: each tick is due one interval after the previous one was due.
    void timerSwitched(Control& timer);
    std::optional<std::int64_t> nextDue() const;
    // Fires every tick due up to now, in time order. Ticks more than maxLag behind are dropped.
    void runTimersUntil(std::int64_t now, std::int64_t maxLag = -1);

    void end();
    bool ended() const { return ended_; }

private:
    // form() for a name that is a constant of the program, whose address never holds another name.
    Form& formNamedBy(std::string_view constantName);

    struct Due {
        std::int64_t at;
        std::uint64_t order;
    };
    void forgetTimers(const Form& form);
    // How many of the timer's coming quiet ticks can run at once now (Control::quietTicks).
    std::int64_t quietRun(const Control& timer, const Due& due, std::int64_t now) const;
    std::int64_t currentTime() const;

    Platform& platform_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::map<std::string, std::unique_ptr<Form>, std::less<>> loaded_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::map<std::string, std::unique_ptr<Form>, std::less<>> resting_; // kept windows, unloaded
    std::vector<Form*> modal_;
    std::vector<std::pair<Control*, Due>> timers_;
    // The windows last found by name, by the address of the name asked with: the game asks with
    // the same constants again and again. A window is forgotten when it is unloaded.
    mutable std::vector<std::pair<std::string_view, Form*>> recent_;
    std::uint64_t timerOrder_ = 0;
    std::optional<std::int64_t> tickTime_;
    int depth_ = 0;
    int messageBoxOpen_ = 0;
    bool ended_ = false;
};

} // namespace daubery
