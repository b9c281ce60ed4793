#include "Windows.h"

#include <algorithm>
#include <cassert>

namespace daubery {

Windows::Windows(Platform& platform) : platform_(platform) {}

Windows::~Windows() {
    ended_ = true;
    timers_.clear();
    platform_.timersChanged();
    for (auto& [name, form] : loaded_) platform_.detach(*form);
}

void Windows::define(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool Windows::defines(std::string_view name) const {
    return factories_.find(name) != factories_.end();
}

Form* Windows::loaded(std::string_view name) const {
    const auto found = loaded_.find(name);
    return found == loaded_.end() ? nullptr : found->second.get();
}

Form& Windows::formNamedBy(std::string_view constantName) {
    for (const auto& [asked, form] : recent_)
        if (asked.data() == constantName.data() && asked.size() == constantName.size()) return *form;
    Form& form = this->form(constantName);
    if (form.inUse_ && recent_.size() < 16) recent_.emplace_back(constantName, &form);
    return form;
}

Form& Windows::form(std::string_view name) {
    if (Form* form = loaded(name)) return *form;
    Form* loading = nullptr;
    if (auto kept = resting_.find(name); kept != resting_.end()) {
        // A kept window moves back with its entry, name and all.
        loading = kept->second.get();
        loaded_.insert(resting_.extract(kept));
    } else {
        const auto factory = factories_.find(name);
        assert(factory != factories_.end() && "every window is defined before it is used");
        std::unique_ptr<Form> created = factory->second();
        if (created->keptBetweenLoads()) created->rememberDesign();
        loading = created.get();
        loaded_.emplace(std::string(name), std::move(created));
    }
    Form& form = *loading;
    form.inUse_ = true;
    platform_.attach(form);
    for (Control* timer : form.timers()) timerSwitched(*timer);
    dispatch([&form] { form.Form_Load(); });
    return form;
}

void Windows::show(Form& form, bool modal) {
    if (ended_) return;
    if (modal) {
        form.modal_ = true;
        modal_.push_back(&form);
    }
    form.visible_ = true;
    form.notify();
    platform_.show(form);
    activated(form);
    if (!modal) return;
    if (loaded(form.name()) == &form && form.visible()) platform_.runModal(form);
    modal_.erase(std::remove(modal_.begin(), modal_.end(), &form), modal_.end());
    form.modal_ = false;
}

void Windows::hide(Form& form) {
    if (!form.visible_) return;
    form.visible_ = false;
    form.notify();
    platform_.hide(form);
}

void Windows::unload(Form& form) {
    const auto found = loaded_.find(form.name());
    if (found == loaded_.end() || found->second.get() != &form) return;
    dispatch([&form] { form.Form_Unload(); });
    forgetTimers(form);
    form.visible_ = false;
    form.inUse_ = false;
    std::erase_if(recent_, [&form](const auto& entry) { return entry.second == &form; });
    platform_.detach(form);
    if (form.keptBetweenLoads()) {
        // Kept, with every value put back as built: the next load finds it as a new window.
        form.restoreDesign();
        resting_.insert(loaded_.extract(found));
        return;
    }
    // Still alive until the event that unloaded it is over: its handler may go on after the unload.
    unloaded_.push_back(std::move(found->second));
    loaded_.erase(found);
    if (depth_ == 0) unloaded_.clear();
}

void Windows::unloadIfLoaded(std::string_view name) {
    if (Form* form = loaded(name)) unload(*form);
}

void Windows::activated(Form& form) {
    if (loaded(form.name()) != &form) return;
    dispatch([&form] { form.Form_Activate(); });
}

bool Windows::reachable(const Control& control) const {
    const Form& form = control.form();
    if (ended_ || loaded(form.name()) != &form || !form.visible() ||
        form.windowState() == WindowState::Minimised)
        return false;
    if (messageBoxOpen_ > 0) return false;
    if (!modal_.empty() && modal_.back() != &form) return false;
    for (const Control* c = &control; c; c = c->container())
        if (!c->visible() || !c->enabled()) return false;
    return control.kind() != ControlKind::Timer;
}

bool Windows::userClick(Control& control) {
    if (!reachable(control)) return false;
    dispatch([&control] {
        if (control.kind() == ControlKind::CheckBox) control.setValue(control.value() ? 0 : 1);
        if (control.kind() == ControlKind::OptionButton) {
            for (const auto& other : control.form().controls())
                if (other->kind() == ControlKind::OptionButton && other->container() == control.container())
                    other->setValue(other.get() == &control ? 1 : 0);
        }
        if (control.onClick) control.onClick();
    });
    return true;
}

bool Windows::userMouseMove(Control& control) {
    if (!reachable(control)) return false;
    if (control.onMouseMove) dispatch(control.onMouseMove);
    return true;
}

bool Windows::userMouseUp(Control& control) {
    if (!reachable(control)) return false;
    if (control.onMouseUp) dispatch(control.onMouseUp);
    return true;
}

bool Windows::userPick(Control& list, int position) {
    if (list.kind() != ControlKind::List || !reachable(list)) return false;
    if (position < 0 || position >= int(list.items().size())) return false;
    dispatch([&list, position] { list.setListIndex(position); });
    return true;
}

bool Windows::userClose(Form& form) {
    if (ended_ || loaded(form.name()) != &form || !form.visible()) return false;
    if (messageBoxOpen_ > 0 || (!modal_.empty() && modal_.back() != &form)) return false;
    dispatch([&form] { form.Form_Close(); });
    return true;
}

bool Windows::userSetWindowState(Form& form, WindowState state) {
    if (ended_ || loaded(form.name()) != &form) return false;
    dispatch([&form, state] { form.setWindowState(state); });
    return true;
}

void Windows::messageBox(const std::string& title, const std::string& text) {
    if (ended_) return;
    ++messageBoxOpen_;
    platform_.messageBox(title, text);
    --messageBoxOpen_;
}

std::int64_t Windows::currentTime() const {
    return tickTime_ ? *tickTime_ : platform_.now();
}

void Windows::timerSwitched(Control& timer) {
    const bool runs = !ended_ && timer.enabled() && timer.interval() > 0 && timer.form().inUse_;
    const auto known = std::find_if(timers_.begin(), timers_.end(),
                                    [&timer](const auto& entry) { return entry.first == &timer; });
    if (runs && known == timers_.end())
        timers_.emplace_back(&timer, Due{currentTime() + timer.interval(), timerOrder_++});
    else if (!runs && known != timers_.end())
        timers_.erase(known);
    platform_.timersChanged();
}

void Windows::forgetTimers(const Form& form) {
    std::erase_if(timers_, [&form](const auto& entry) { return &entry.first->form() == &form; });
    platform_.timersChanged();
}

std::optional<std::int64_t> Windows::nextDue() const {
    std::optional<std::int64_t> next;
    for (const auto& [timer, due] : timers_)
        if (!next || due.at < *next) next = due.at;
    return next;
}

void Windows::runTimersUntil(std::int64_t now, std::int64_t maxLag) {
    const auto outer = tickTime_;
    while (!ended_) {
        std::pair<Control*, Due>* earliest = nullptr;
        for (auto& entry : timers_) {
            const Due& due = entry.second;
            if (due.at > now) continue;
            if (!earliest || due.at < earliest->second.at ||
                (due.at == earliest->second.at && due.order < earliest->second.order))
                earliest = &entry;
        }
        if (!earliest) break;
        Control& timer = *earliest->first;
        Due& due = earliest->second;
        // After a long stall the timer takes up its beat from now rather than firing the backlog.
        if (maxLag >= 0 && now - due.at > maxLag) due.at = now;
        const std::int64_t interval = timer.interval();
        const std::int64_t quiet = quietRun(timer, due, now);
        if (quiet > 1) {
            tickTime_ = due.at + (quiet - 1) * interval;
            due.at += quiet * interval;
            platform_.tickAt(*tickTime_);
            dispatch([&timer, quiet] { timer.onQuietTicks(int(quiet)); });
            continue;
        }
        tickTime_ = due.at;
        due.at += interval;
        platform_.tickAt(*tickTime_);
        dispatch(timer.onTimer);
    }
    tickTime_ = outer;
    platform_.timersChanged();
}

std::int64_t Windows::quietRun(const Control& timer, const Due& due, std::int64_t now) const {
    if (!timer.quietTicks || !timer.onQuietTicks) return 0;
    const std::int64_t quiet = timer.quietTicks();
    if (quiet <= 1) return quiet;
    // Up to now, and strictly before the first tick of another timer that is not quiet itself.
    std::int64_t until = now;
    for (const auto& [other, otherDue] : timers_) {
        if (other == &timer) continue;
        const std::int64_t otherQuiet = other->quietTicks && other->onQuietTicks ? other->quietTicks() : 0;
        const std::int64_t otherLoud = otherDue.at + (otherQuiet > 0 ? otherQuiet * other->interval() : 0);
        if (otherLoud - 1 < until) until = otherLoud - 1;
    }
    if (until < due.at) return 0;
    // The whole run most often fits; a division is asked only when it does not.
    const std::int64_t interval = timer.interval();
    if (due.at + (quiet - 1) * interval <= until) return quiet;
    return (until - due.at) / interval + 1;
}

void Windows::end() {
    if (ended_) return;
    ended_ = true;
    timers_.clear();
    platform_.quit();
}

} // namespace daubery
