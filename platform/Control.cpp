#include "Control.h"

#include "Form.h"
#include "Windows.h"

namespace daubery {

Control::Control(Form& form, const ControlSpec& spec, Control* container)
    : form_(form), name_(spec.name), index_(spec.index), kind_(spec.kind), container_(container),
      flags_(spec.flags), fontSize_(spec.fontSize), caption_(spec.caption),
      visible_(!(spec.flags & look::Hidden)), enabled_(!(spec.flags & look::Disabled)),
      foreColor_(spec.foreColor), backColor_(spec.backColor), tooltip_(spec.tooltip), picture_(spec.picture),
      left_(spec.left), top_(spec.top), width_(spec.width), height_(spec.height), x2_(spec.x2), y2_(spec.y2),
      value_(spec.flags & look::Checked ? 1 : 0), interval_(spec.interval) {
    // A timer's Enabled starts from the table like any control's; timers are not drawn.
    if (kind_ == ControlKind::Timer) visible_ = false;
}

struct Control::Design {
    std::string caption;
    bool visible, enabled;
    int foreColor, backColor;
    std::string tooltip, picture;
    int left, top, width, height;
    std::vector<std::string> items;
    int listIndex;
    std::string text;
    int value, interval;
};

Control::~Control() = default;

void Control::rememberDesign() {
    design_ = std::make_unique<Design>(Design{caption_, visible_, enabled_, foreColor_, backColor_, tooltip_,
                                              picture_, left_, top_, width_, height_, items_, listIndex_,
                                              text_, value_, interval_});
    touched_ = false;
}

void Control::restoreDesign() {
    touched_ = false;
    if (!design_) return;
    const Design& d = *design_;
    // Most values are as built already; only the changed ones are copied back.
    const auto put = [](auto& value, const auto& built) {
        if (value != built) value = built;
    };
    put(caption_, d.caption);
    visible_ = d.visible;
    enabled_ = d.enabled;
    foreColor_ = d.foreColor;
    backColor_ = d.backColor;
    put(tooltip_, d.tooltip);
    put(picture_, d.picture);
    left_ = d.left;
    top_ = d.top;
    width_ = d.width;
    height_ = d.height;
    put(items_, d.items);
    listIndex_ = d.listIndex;
    put(text_, d.text);
    value_ = d.value;
    interval_ = d.interval;
}

std::string Control::path() const {
    std::string path = form_.name() + "." + name_;
    if (index_ >= 0) path += "[" + std::to_string(index_) + "]";
    return path;
}

void Control::notify() {
    if (!touched_) {
        touched_ = true;
        form_.touched(*this);
    }
    if (changed) changed(*this);
}

void Control::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify();
    // A label tells of a new caption, also from inside its own change event.
    if (kind_ == ControlKind::Label && onChange) form_.windows().dispatch(onChange);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify();
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (kind_ == ControlKind::Timer) form_.windows().timerSwitched(*this);
    notify();
}

void Control::setForeColor(int colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    notify();
}

void Control::setBackColor(int colour) {
    if (colour == backColor_) return;
    backColor_ = colour;
    notify();
}

void Control::setTooltip(std::string tooltip) {
    if (tooltip == tooltip_) return;
    tooltip_ = std::move(tooltip);
    notify();
}

void Control::setPicture(std::string picture) {
    if (picture == picture_) return;
    picture_ = std::move(picture);
    notify();
}

void Control::setLeft(int twips) {
    if (twips == left_) return;
    left_ = twips;
    notify();
}

void Control::setTop(int twips) {
    if (twips == top_) return;
    top_ = twips;
    notify();
}

void Control::setWidth(int twips) {
    if (twips == width_) return;
    width_ = twips;
    notify();
}

void Control::setHeight(int twips) {
    if (twips == height_) return;
    height_ = twips;
    notify();
}

void Control::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify();
}

void Control::setListIndex(int position) {
    if (position < -1 || position >= int(items_.size())) return;
    listIndex_ = position;
    notify();
    if (onClick) form_.windows().dispatch(onClick);
}

std::string Control::text() const {
    if (kind_ == ControlKind::List) return listIndex_ >= 0 ? items_[std::size_t(listIndex_)] : std::string();
    return text_;
}

void Control::setText(std::string text) {
    if (kind_ == ControlKind::List) return;
    if (text == text_) return;
    text_ = std::move(text);
    notify();
}

void Control::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    notify();
}

void Control::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (kind_ == ControlKind::Timer) form_.windows().timerSwitched(*this);
    notify();
}

} // namespace daubery
