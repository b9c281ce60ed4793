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
    if (wantProperty && !findProperty(!target.controlName.empty(), target.property)) {
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
    if (target->controlName.empty()) {
        if (p == "loaded") return {true, target->form != nullptr, {}};
        load(*target); // any other read loads the window
        const Form& form = *target->form;
        if (p == "caption") return {true, form.caption(), {}};
        if (p == "visible") return {true, form.visible(), {}};
        if (p == "window_state") return {true, int(form.windowState()), {}};
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

} // namespace daubery
