#include "Driver.h"
#include "LineText.h"

#include "ui/Bingomsg.h"
#include "ui/BngOptions.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"
#include "ui/frmHelp.h"

#include <algorithm>
#include <span>
#include <utility>

// Windows' and controls' properties by their paths: finding them without loading a window, reading
// and writing them.
namespace daubery {

using line::splitIndexes;
using line::trim;

namespace {

// The properties the driver reads, and writes where it may, with the JSON each holds. A value is
// written only once it fits the property, so a writer takes it as the kind the property holds.
enum class Holds { Text, Flag, Number, Items };
using Value = json::Value;
template <class Shown> struct Property {
    std::string_view name;
    Holds holds;
    Value (*get)(const Shown&, Windows&);
    void (*set)(Shown&, Windows&, const Value&) = nullptr; // none where the driver only reads
};
std::string text(const Value& v) {
    return *v.string();
}
int number(const Value& v) {
    return int(*v.integer());
}
bool flag(const Value& v) {
    return *v.boolean();
}

const Property<Control> ControlProperties[] = {
    {"caption", Holds::Text, [](const Control& c, Windows&) -> Value { return c.caption(); },
     [](Control& c, Windows&, const Value& v) { c.setCaption(text(v)); }},
    {"visible", Holds::Flag, [](const Control& c, Windows&) -> Value { return c.visible(); },
     [](Control& c, Windows&, const Value& v) { c.setVisible(flag(v)); }},
    {"enabled", Holds::Flag, [](const Control& c, Windows&) -> Value { return c.enabled(); },
     [](Control& c, Windows&, const Value& v) { c.setEnabled(flag(v)); }},
    {"forecolor", Holds::Number, [](const Control& c, Windows&) -> Value { return c.foreColor(); },
     [](Control& c, Windows&, const Value& v) { c.setForeColor(number(v)); }},
    {"backcolor", Holds::Number, [](const Control& c, Windows&) -> Value { return c.backColor(); },
     [](Control& c, Windows&, const Value& v) { c.setBackColor(number(v)); }},
    {"tooltip", Holds::Text, [](const Control& c, Windows&) -> Value { return c.tooltip(); },
     [](Control& c, Windows&, const Value& v) { c.setTooltip(text(v)); }},
    {"left", Holds::Number, [](const Control& c, Windows&) -> Value { return c.left(); },
     [](Control& c, Windows&, const Value& v) { c.setLeft(number(v)); }},
    {"top", Holds::Number, [](const Control& c, Windows&) -> Value { return c.top(); },
     [](Control& c, Windows&, const Value& v) { c.setTop(number(v)); }},
    {"width", Holds::Number, [](const Control& c, Windows&) -> Value { return c.width(); },
     [](Control& c, Windows&, const Value& v) { c.setWidth(number(v)); }},
    {"height", Holds::Number, [](const Control& c, Windows&) -> Value { return c.height(); },
     [](Control& c, Windows&, const Value& v) { c.setHeight(number(v)); }},
    {"x2", Holds::Number, [](const Control& c, Windows&) -> Value { return c.x2(); }},
    {"y2", Holds::Number, [](const Control& c, Windows&) -> Value { return c.y2(); }},
    {"picture", Holds::Text, [](const Control& c, Windows&) -> Value { return c.picture().str(); },
     [](Control& c, Windows&, const Value& v) { c.setPicture(text(v)); }},
    {"list_index", Holds::Number, [](const Control& c, Windows&) -> Value { return c.listIndex(); },
     [](Control& c, Windows&, const Value& v) { c.setListIndex(number(v)); }},
    {"text", Holds::Text, [](const Control& c, Windows&) -> Value { return c.text(); },
     [](Control& c, Windows&, const Value& v) { c.setText(text(v)); }},
    {"value", Holds::Number, [](const Control& c, Windows&) -> Value { return c.value(); },
     [](Control& c, Windows&, const Value& v) { c.setValue(number(v)); }},
    {"interval", Holds::Number, [](const Control& c, Windows&) -> Value { return c.interval(); },
     [](Control& c, Windows&, const Value& v) { c.setInterval(number(v)); }},
    {"items", Holds::Items,
     [](const Control& c, Windows&) -> Value { return json::Array(c.items().begin(), c.items().end()); }},
    {"reachable", Holds::Flag,
     [](const Control& c, Windows& windows) -> Value { return windows.reachable(c); }},
};
const Property<Form> WindowProperties[] = {
    {"loaded", Holds::Flag, nullptr}, // read without loading the window
    {"caption", Holds::Text, [](const Form& f, Windows&) -> Value { return f.caption(); },
     [](Form& f, Windows&, const Value& v) { f.setCaption(text(v)); }},
    {"visible", Holds::Flag, [](const Form& f, Windows&) -> Value { return f.visible(); },
     [](Form& f, Windows& windows, const Value& v) { flag(v) ? windows.show(f) : windows.hide(f); }},
    {"window_state", Holds::Number, [](const Form& f, Windows&) -> Value { return int(f.windowState()); },
     [](Form& f, Windows&, const Value& v) { f.setWindowState(WindowState(number(v))); }},
    {"left", Holds::Number, [](const Form& f, Windows&) -> Value { return f.left(); }},
    {"top", Holds::Number, [](const Form& f, Windows&) -> Value { return f.top(); }},
    {"width", Holds::Number, [](const Form& f, Windows&) -> Value { return f.width(); },
     [](Form& f, Windows&, const Value& v) { f.setWidth(number(v)); }},
    {"height", Holds::Number, [](const Form& f, Windows&) -> Value { return f.height(); },
     [](Form& f, Windows&, const Value& v) { f.setHeight(number(v)); }},
    {"picture", Holds::Text, [](const Form& f, Windows&) -> Value { return f.picture().str(); }},
    {"backcolor", Holds::Number, [](const Form& f, Windows&) -> Value { return f.backColor(); }},
};

template <class Shown>
const Property<Shown>* findProperty(std::span<const Property<Shown>> known, std::string_view name) {
    for (const Property<Shown>& property : known)
        if (property.name == name) return &property;
    return nullptr;
}
bool knownProperty(bool ofControl, std::string_view name) {
    return ofControl ? findProperty<Control>(ControlProperties, name) != nullptr
                     : findProperty<Form>(WindowProperties, name) != nullptr;
}

// A value the property can take; a window state is one of the three, a picture's name is short.
template <class Shown> bool fits(const Property<Shown>& property, const Value& value) {
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

} // namespace

constexpr std::string_view WindowNames[] = {Form1::Name, BngOptions::Name, Bingomsg::Name,
                                            frmGamestatus::Name, frmHelp::Name};

std::unique_ptr<Form> Driver::layoutOf(std::string_view window) {
    Daubery& game = *game_;
    if (window == Form1::Name) return std::make_unique<Form1>(game);
    if (window == BngOptions::Name) return std::make_unique<BngOptions>(game);
    if (window == Bingomsg::Name) return std::make_unique<Bingomsg>(game);
    if (window == frmGamestatus::Name) return std::make_unique<frmGamestatus>(game);
    if (window == frmHelp::Name) return std::make_unique<frmHelp>(game);
    return nullptr;
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
    const std::unique_ptr<Form> layout = target.form ? nullptr : layoutOf(target.windowName);
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
    if (wantProperty && !knownProperty(!target.controlName.empty(), target.property)) {
        error =
            (target.controlName.empty() ? "unknown window property " : "unknown property ") + target.property;
        return std::nullopt;
    }
    return target;
}

std::string Driver::checkPath(std::string_view path, bool wantProperty) {
    static constexpr std::string_view Lists[] = {"msgboxes",   "beeps", "commands", "responded",
                                                 "responders", "ended", "clock"};
    if (wantProperty && std::ranges::find(Lists, path) != std::end(Lists)) return {};
    if (path.starts_with("state."))
        return stateField(path.substr(6), nullptr).ok ? "" : "no " + std::string(path);
    std::string error;
    if (resolve(path, wantProperty, error)) return {};
    // Without its window's name, a path names a control of the window the responder will answer.
    const auto saved = answering_;
    for (const std::string_view window : WindowNames) {
        answering_.assign(1, std::string(window));
        if (resolve(path, wantProperty, error)) {
            answering_ = saved;
            return {};
        }
    }
    answering_ = saved;
    return error;
}

void Driver::load(Target& target) {
    if (target.form) return;
    target.form = &game_->windows.form(target.windowName);
    if (!target.controlName.empty()) target.control = target.form->find(target.controlName, target.index);
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
    if (target->controlName.empty() && p == "loaded") return {true, target->form != nullptr, {}};
    load(*target); // any other read loads the window
    Windows& windows = game_->windows;
    if (target->controlName.empty())
        return {true, findProperty<Form>(WindowProperties, p)->get(*target->form, windows), {}};
    return {true, findProperty<Control>(ControlProperties, p)->get(*target->control, windows), {}};
}

Driver::Answer Driver::set(std::string_view path, std::string_view valueText) {
    const auto value = json::parse(trim(valueText));
    if (!value) return {false, {}, "set needs a JSON value"};
    if (path.substr(0, 6) == "state.") return stateField(path.substr(6), &*value);
    std::string error;
    auto target = resolve(path, true, error);
    if (!target) return {false, {}, error};
    const std::string& p = target->property;
    const bool ofControl = !target->controlName.empty();
    const auto* controlProperty = ofControl ? findProperty<Control>(ControlProperties, p) : nullptr;
    const auto* windowProperty = ofControl ? nullptr : findProperty<Form>(WindowProperties, p);
    // Judged before the window is loaded, so a wrong value changes nothing.
    const bool writable = controlProperty
                              ? controlProperty->set && fits(*controlProperty, *value)
                              : windowProperty && windowProperty->set && fits(*windowProperty, *value);
    if (!writable) return {false, {}, "wrong value for " + p};
    load(*target);
    Windows& windows = game_->windows;
    windows.dispatch([&] {
        if (controlProperty)
            controlProperty->set(*target->control, windows, *value);
        else
            windowProperty->set(*target->form, windows, *value);
    });
    return {};
}

} // namespace daubery
