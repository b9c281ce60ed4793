#pragma once
// A window: its caption, size and state, its controls built from a table, and its own events.

#include "Control.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace daubery {

class Windows;

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// Outer frame of a window around its client area, in twips: borders, title bar and menu bar.
inline constexpr int FrameWidth = 120;
inline constexpr int FrameHeight = 405;
inline constexpr int MenuBarHeight = 180;

class Form {
public:
    Form(Windows& windows, std::string name, std::string caption, int clientWidth, int clientHeight);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }
    Windows& windows() const { return windows_; }

    Control& control(std::string_view name, int index = -1) const; // the control must exist
    Control* find(std::string_view name, int index = -1) const;
    // The elements of a control array by index, null where an index has none.
    const std::vector<Control*>& elements(std::string_view array) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    bool hasMenu() const { return hasMenu_; }
    // The window's timers, in the order of its table.
    const std::vector<Control*>& timers() const { return timers_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool visible() const { return visible_; }
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState state); // raises the resize event
    int left() const { return left_; }
    int top() const { return top_; }
    void setPosition(int left, int top);
    // Outer size, frame included, as the game sets it.
    int width() const { return width_; }
    int height() const { return height_; }
    void setWidth(int twips);
    void setHeight(int twips);
    int clientWidth() const { return width_ - FrameWidth; }
    int clientHeight() const { return height_ - FrameHeight - (hasMenu() ? MenuBarHeight : 0); }
    int backColor() const { return backColor_; }
    void setBackColor(int colour);
    // The picture painted behind the controls.
    const PictureName& picture() const { return picture_; }
    void setPicture(const PictureName& picture);
    bool modal() const { return modal_; }
    bool centred() const { return centred_; }
    // Shown just above the main window, wherever the player has put it, rather than at its own place.
    bool aboveMain() const { return aboveMain_; }

    // The window's own events.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    // The title-bar close button; a window unloads unless it says otherwise.
    virtual void Form_Close();

    // Told of changes to the window's own properties (not its controls').
    std::function<void()> changed;
    // Keys that run a command from anywhere in the window, each written as "Ctrl+L".
    std::vector<std::pair<std::string, std::function<void()>>> keyCommands;

    // A window whose object is kept when it is unloaded: every value it had is put back to how the
    // window was built, so that its next load starts as a new one would.
    bool keptBetweenLoads() const { return keptBetweenLoads_; }
    void rememberDesign();
    void restoreDesign();

protected:
    void keepBetweenLoads() { keptBetweenLoads_ = true; }
    // Puts back the window's own values that are not its controls'; a kept window overrides it.
    virtual void restoreOwnValues() {}

    void build(std::span<const ControlSpec> table);
    Control& add(const ControlSpec& spec);
    void setCentred(bool centred) { centred_ = centred; }
    void setAboveMain() { aboveMain_ = true; }

    void onClick(std::string_view control, std::function<void()> handler);
    void onClick(std::string_view array, std::function<void(int)> handler);
    void onMouseMove(std::string_view array, std::function<void(int)> handler);
    void onMouseUp(std::string_view control, std::function<void()> handler);
    void onChange(std::string_view control, std::function<void()> handler);
    void onTimer(std::string_view control, std::function<void()> handler);

private:
    friend class Windows;
    friend class Control;
    void notify();
    void touched(Control& control) { touched_.push_back(&control); }

    // Controls by name: a single control, or the elements of an array by index.
    struct Named {
        Control* single = nullptr;
        std::vector<Control*> elements;
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };

    Windows& windows_;
    std::string name_;
    std::string caption_;
    bool visible_ = false;
    bool modal_ = false;
    bool centred_ = false;
    bool aboveMain_ = false;
    WindowState state_ = WindowState::Normal;
    int left_ = 0, top_ = 0, width_, height_;
    int backColor_ = colour::Default;
    PictureName picture_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Named, NameHash, std::equal_to<>> byName_;
    std::vector<Control*> timers_;
    bool hasMenu_ = false;
    bool keptBetweenLoads_ = false;
    bool inUse_ = false; // loaded, and not unloaded since
    // The window as built, and the controls changed since.
    struct Design {
        std::string caption;
        WindowState state;
        int left, top, width, height, backColor;
        PictureName picture;
    };
    std::unique_ptr<Design> design_;
    std::vector<Control*> touched_;
};

} // namespace daubery
