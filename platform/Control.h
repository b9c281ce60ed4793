#pragma once
// One control of a window as the game sees it: the properties it reads and writes, and its events.
// Positions and sizes are in twips; colours are one RGB number, red + 256 x green + 65536 x blue.

#include "PictureName.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace daubery {

class Form;

enum class ControlKind {
    Label,
    Button,
    Image,
    Panel,
    List,
    CheckBox,
    OptionButton,
    TextBox,
    Line,
    Circle,
    Timer,
    Menu
};

constexpr int rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
namespace colour {
inline constexpr int Default = -1; // the window's own colour
inline constexpr int Black = rgb(0, 0, 0), White = rgb(255, 255, 255), Red = rgb(255, 0, 0),
                     Yellow = rgb(255, 255, 0), Silver = rgb(192, 192, 192), Blue = rgb(0, 0, 255),
                     DarkBlue = rgb(0, 0, 192), Grey = rgb(192, 192, 192);
} // namespace colour

// How a control looks, fixed at design time.
namespace look {
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned Disabled = 1u << 1;
inline constexpr unsigned Bold = 1u << 2;
inline constexpr unsigned Centred = 1u << 3;
inline constexpr unsigned Opaque = 1u << 4;     // a label that paints its back colour
inline constexpr unsigned Serif = 1u << 5;      // a serif face instead of the sans-serif one
inline constexpr unsigned HandCursor = 1u << 6; // a link
inline constexpr unsigned HelpCursor = 1u << 7; // arrow with question mark
inline constexpr unsigned Bordered = 1u << 8;   // a thin single border
inline constexpr unsigned WordWrap = 1u << 9;
inline constexpr unsigned Underline = 1u << 10;
inline constexpr unsigned Stretch = 1u << 11; // the picture fills the control
inline constexpr unsigned Checked = 1u << 12;
inline constexpr unsigned DefaultButton = 1u << 13; // pressed by the Enter key
// A card's column heading: the caption's words stand one over each column of the card picture
// that the label names as its picture, laid from the label's own top-left corner.
inline constexpr unsigned OverColumns = 1u << 14;
inline constexpr unsigned Middle = 1u << 15; // wrapped text centred from top to bottom as well
} // namespace look

// One row of a window's control table.
struct ControlSpec {
    std::string_view name;
    int index = -1; // the element of a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0; // a line runs from (left, top) to (x2, y2)
    std::string_view caption = {};
    unsigned flags = 0;
    std::string_view container = {}; // the panel it lies in; for a menu item, its menu
    double fontSize = 8.25;
    int foreColor = colour::Default;
    int backColor = colour::Default;
    std::string_view picture = {};
    std::string_view tooltip = {};
    int x2 = 0, y2 = 0;
    int interval = 0;
};

// Laid out by how often the game touches a value: a round walks over some three hundred controls,
// so the view's hook, the record of changes and the values most set share the first cache line.
class Control {
public:
    // The view that shows this control, told of every change.
    std::function<void(Control&)> changed;

private:
    unsigned changes_ = 0;
    bool visible_;
    bool enabled_;
    ControlKind kind_;
    unsigned flags_;
    int foreColor_;
    int backColor_;
    Form& form_;
    std::string caption_;
    PictureName picture_;
    int interval_;
    int value_ = 0;
    int left_, top_, width_, height_, x2_, y2_;
    int listIndex_ = -1;
    struct Design;
    std::unique_ptr<Design> design_;

public:
    Control(Form& form, const ControlSpec& spec, Control* container);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    ControlKind kind() const { return kind_; }
    Control* container() const { return container_; }
    unsigned flags() const { return flags_; }
    bool has(unsigned flag) const { return (flags_ & flag) != 0; }
    double fontSize() const { return fontSize_; }
    std::string path() const; // Form1.Label1[49]

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);
    // The caption is still the one the window's table gave it (since built, or put back as built).
    bool captionAsBuilt() const { return (changes_ & CaptionChange) == 0; }
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int foreColor() const { return foreColor_; }
    void setForeColor(int colour);
    int backColor() const { return backColor_; }
    void setBackColor(int colour);
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string_view tooltip);
    const PictureName& picture() const { return picture_; }
    void setPicture(const PictureName& picture);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    // Lists: read-only items with a position; setting the position by program raises the click.
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item);
    int listIndex() const { return listIndex_; }
    void setListIndex(int position);

    // The text of a text box, or of a list's selected item.
    std::string text() const;
    void setText(std::string text);

    // Check boxes 0/1, option buttons 0/1.
    int value() const { return value_; }
    void setValue(int value);

    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    std::function<void()> onClick, onChange, onMouseMove, onMouseUp, onTimer;

    // A timer whose coming ticks may touch only values no other timer's tick reads or writes (a count
    // of its own, the place of a picture only it moves): how many of its next ticks are of that kind,
    // and how to run that many at once. Such ticks run together, ahead of the other timers' ticks of
    // the same kind that fall between them; a tick of any other kind keeps its place in time.
    std::function<int()> quietTicks;
    std::function<void(int)> onQuietTicks;
    // What a screen reader says for the control, worked out only when it asks; without them it
    // reads the caption and the tooltip.
    std::function<std::string()> accessibleName, accessibleDescription;
    // A control that a screen reader finds on or off, a daubed square say, worked out when it asks.
    std::function<bool()> accessibleChecked;
    // A key that presses the control from anywhere in its window, written as "Ctrl+B".
    std::string shortcut;
    // The letter a menu shows underlined and answers with Alt, for a caption that marks none with
    // "&"; the caption itself, which the game compares, stays as it is.
    char accessKey = 0;

    // The values as built, to put back when a kept window is unloaded (Form::restoreDesign).
    void rememberDesign();
    void restoreDesign();

private:
    // What has changed since the window was loaded, one bit a kind of value (Form::restoreDesign).
    enum Change : unsigned {
        CaptionChange = 1u << 0,
        VisibleChange = 1u << 1,
        EnabledChange = 1u << 2,
        ColourChange = 1u << 3,
        TooltipChange = 1u << 4,
        PictureChange = 1u << 5,
        PlaceChange = 1u << 6,
        ItemsChange = 1u << 7,
        ListIndexChange = 1u << 8,
        TextChange = 1u << 9,
        ValueChange = 1u << 10,
        IntervalChange = 1u << 11,
    };
    void notify(Change change);
    void firstChange();

    Control* container_;
    int index_;
    double fontSize_;
    std::string name_;
    std::string tooltip_;
    std::string text_;
    std::vector<std::string> items_;
};

} // namespace daubery
