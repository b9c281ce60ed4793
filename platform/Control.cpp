#include "Control.h"

#include "Form.h"
#include "Windows.h"

namespace daubery {

namespace {

// Most captions are a number of a card or the board, a letter and a number on the ball: short
// texts compared here character by character, longer ones by the library.
bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a.size() > 16) return a == b;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k]) return false;
    return true;
}

} // namespace

Control::Control(Form& form, const ControlSpec& spec, Control* container)
    : visible_(!(spec.flags & look::Hidden)), enabled_(!(spec.flags & look::Disabled)), kind_(spec.kind),
      flags_(spec.flags), foreColor_(spec.foreColor), backColor_(spec.backColor), form_(form),
      caption_(spec.caption), picture_(spec.picture), interval_(spec.interval),
      value_(spec.flags & look::Checked ? 1 : 0), left_(spec.left), top_(spec.top), width_(spec.width),
      height_(spec.height), x2_(spec.x2), y2_(spec.y2), container_(container), index_(spec.index),
      fontSize_(spec.fontSize), name_(spec.name), tooltip_(spec.tooltip) {
    // A timer's Enabled starts from the table like any control's; timers are not drawn.
    if (kind_ == ControlKind::Timer) visible_ = false;
}

struct Control::Design {
    std::string caption;
    bool visible, enabled;
    int foreColor, backColor;
    std::string tooltip;
    PictureName picture;
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
    changes_ = 0;
}

void Control::restoreDesign() {
    const unsigned changes = changes_;
    changes_ = 0;
    if (!design_) return;
    const Design& d = *design_;
    if (changes & CaptionChange) caption_ = d.caption;
    if (changes & VisibleChange) visible_ = d.visible;
    if (changes & EnabledChange) enabled_ = d.enabled;
    if (changes & ColourChange) foreColor_ = d.foreColor, backColor_ = d.backColor;
    if (changes & TooltipChange) tooltip_ = d.tooltip;
    if (changes & PictureChange) picture_ = d.picture;
    if (changes & PlaceChange) left_ = d.left, top_ = d.top, width_ = d.width, height_ = d.height;
    if (changes & ItemsChange) items_ = d.items;
    if (changes & ListIndexChange) listIndex_ = d.listIndex;
    if (changes & TextChange) text_ = d.text;
    if (changes & ValueChange) value_ = d.value;
    if (changes & IntervalChange) interval_ = d.interval;
}

std::string Control::path() const {
    std::string path = form_.name() + "." + name_;
    if (index_ >= 0) path += "[" + std::to_string(index_) + "]";
    return path;
}

void Control::notify(Change change) {
    if (changes_ == 0) firstChange();
    changes_ |= change;
    if (changed) changed(*this);
}

// Once between loads: the window notes the control, to put it back as built when unloaded.
[[gnu::cold, gnu::noinline]] void Control::firstChange() {
    form_.touched(*this);
}

void Control::setCaption(std::string_view caption) {
    if (sameText(caption, caption_)) return;
    if (caption.size() == caption_.size() && caption.size() <= 16) {
        // A number over a number of as many digits: the characters are written over in place.
        for (std::size_t k = 0; k < caption.size(); ++k) caption_[k] = caption[k];
    } else {
        caption_.clear();
        caption_.append(caption);
    }
    notify(CaptionChange);
    // A label tells of a new caption, also from inside its own change event.
    if (kind_ == ControlKind::Label && onChange) form_.windows().dispatch(onChange);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(VisibleChange);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (kind_ == ControlKind::Timer) form_.windows().timerSwitched(*this);
    notify(EnabledChange);
}

void Control::setForeColor(int colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    notify(ColourChange);
}

void Control::setBackColor(int colour) {
    if (colour == backColor_) return;
    backColor_ = colour;
    notify(ColourChange);
}

void Control::setTooltip(std::string_view tooltip) {
    if (tooltip == tooltip_) return;
    tooltip_.assign(tooltip);
    notify(TooltipChange);
}

void Control::setPicture(const PictureName& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    notify(PictureChange);
}

void Control::setLeft(int twips) {
    if (twips == left_) return;
    left_ = twips;
    notify(PlaceChange);
}

void Control::setTop(int twips) {
    if (twips == top_) return;
    top_ = twips;
    notify(PlaceChange);
}

void Control::setWidth(int twips) {
    if (twips == width_) return;
    width_ = twips;
    notify(PlaceChange);
}

void Control::setHeight(int twips) {
    if (twips == height_) return;
    height_ = twips;
    notify(PlaceChange);
}

void Control::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify(ItemsChange);
}

void Control::setListIndex(int position) {
    if (position < -1 || position >= int(items_.size())) return;
    listIndex_ = position;
    notify(ListIndexChange);
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
    notify(TextChange);
}

void Control::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    notify(ValueChange);
}

void Control::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (kind_ == ControlKind::Timer) form_.windows().timerSwitched(*this);
    notify(IntervalChange);
}

} // namespace daubery
