#pragma once
// The beep of every call: the desktop's own bell from its sound theme, played by its sound server at
// the desktop's alert volume, or the window system's bell where no such sound can be played.

#include <memory>

namespace daubery {

class DesktopBell {
public:
    // Prepares the bell's sound in the sound server now, so that the first call is heard at once too.
    DesktopBell();
    ~DesktopBell();
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    // Sounds the bell once and returns at once.
    void ring();
    // Whether the bell comes from the desktop's sound theme rather than the window system.
    bool playsThemeSound() const { return sounds_ != nullptr; }

private:
    struct Sounds;
    std::unique_ptr<Sounds> sounds_;
};

} // namespace daubery
