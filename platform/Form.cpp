#include "Form.h"

#include "Windows.h"

#include <cassert>

namespace daubery {

Form::Form(Windows& windows, std::string name, std::string caption, int clientWidth, int clientHeight)
    : windows_(windows), name_(std::move(name)), caption_(std::move(caption)),
      width_(clientWidth + FrameWidth), height_(clientHeight + FrameHeight) {}

Form::~Form() = default;

void Form::build(std::span<const ControlSpec> table) {
    for (const ControlSpec& spec : table) add(spec);
}

Control& Form::add(const ControlSpec& spec) {
    Control* container = spec.container.empty() ? nullptr : &control(spec.container);
    auto& added = controls_.emplace_back(std::make_unique<Control>(*this, spec, container));
    auto named = byName_.find(spec.name);
    if (named == byName_.end()) named = byName_.emplace(std::string(spec.name), Named{}).first;
    if (spec.index < 0) {
        named->second.single = added.get();
    } else {
        auto& elements = named->second.elements;
        if (elements.size() <= std::size_t(spec.index)) elements.resize(std::size_t(spec.index) + 1, nullptr);
        elements[std::size_t(spec.index)] = added.get();
    }
    if (spec.kind == ControlKind::Timer) timers_.push_back(added.get());
    // A menu bar takes its room above the client area, which keeps its designed size.
    if (spec.kind == ControlKind::Menu && !hasMenu_) {
        hasMenu_ = true;
        height_ += MenuBarHeight;
    }
    return *added;
}

Control* Form::find(std::string_view name, int index) const {
    const auto found = byName_.find(name);
    if (found == byName_.end()) return nullptr;
    if (index < 0) return found->second.single;
    const auto& elements = found->second.elements;
    return std::size_t(index) < elements.size() ? elements[std::size_t(index)] : nullptr;
}

const std::vector<Control*>& Form::elements(std::string_view array) const {
    static const std::vector<Control*> none;
    const auto found = byName_.find(array);
    return found == byName_.end() ? none : found->second.elements;
}

Control& Form::control(std::string_view name, int index) const {
    Control* found = find(name, index);
    assert(found && "a window's code names only its own controls");
    return *found;
}

void Form::rememberDesign() {
    if (design_) return;
    design_ = std::make_unique<Design>(
        Design{caption_, state_, left_, top_, width_, height_, backColor_, picture_});
    for (const auto& c : controls_) c->rememberDesign();
    touched_.clear();
}

void Form::restoreDesign() {
    if (!design_) return;
    caption_ = design_->caption;
    state_ = design_->state;
    left_ = design_->left;
    top_ = design_->top;
    width_ = design_->width;
    height_ = design_->height;
    backColor_ = design_->backColor;
    picture_ = design_->picture;
    visible_ = false;
    modal_ = false;
    for (Control* c : touched_) c->restoreDesign();
    touched_.clear();
    restoreOwnValues();
}

void Form::notify() {
    if (changed) changed();
}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify();
}

void Form::setWindowState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    notify();
    windows_.dispatch([this] { Form_Resize(); });
}

void Form::setPosition(int left, int top) {
    left_ = left;
    top_ = top;
    notify();
}

void Form::setWidth(int twips) {
    if (twips == width_) return;
    width_ = twips;
    notify();
}

void Form::setHeight(int twips) {
    if (twips == height_) return;
    height_ = twips;
    notify();
}

void Form::setBackColor(int colour) {
    backColor_ = colour;
    notify();
}

void Form::setPicture(const PictureName& picture) {
    picture_ = picture;
    notify();
}

void Form::Form_Close() {
    windows_.unload(*this);
}

void Form::onClick(std::string_view name, std::function<void()> handler) {
    control(name).onClick = std::move(handler);
}

void Form::onClick(std::string_view array, std::function<void(int)> handler) {
    for (auto& c : controls_)
        if (c->name() == array) c->onClick = [handler, index = c->index()] { handler(index); };
}

void Form::onMouseMove(std::string_view array, std::function<void(int)> handler) {
    for (auto& c : controls_)
        if (c->name() == array) c->onMouseMove = [handler, index = c->index()] { handler(index); };
}

void Form::onMouseUp(std::string_view name, std::function<void()> handler) {
    control(name).onMouseUp = std::move(handler);
}

void Form::onChange(std::string_view name, std::function<void()> handler) {
    control(name).onChange = std::move(handler);
}

void Form::onTimer(std::string_view name, std::function<void()> handler) {
    control(name).onTimer = std::move(handler);
}

} // namespace daubery
