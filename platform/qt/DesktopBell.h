#pragma once
// The beep of every call: the desktop's own bell from its sound theme, played by its sound server at
// the desktop's alert volume, or the window system's bell where no such sound can be played.

#include <memory>
#include <thread>

namespace daubery {

class DesktopBell {
public:
    // Starts preparing the bell's sound in the sound server, so that the first call is heard at once.
    DesktopBell();
    ~DesktopBell();
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;

    // Sounds the bell once and returns at once.
    void ring();

private:
    struct Sounds;
    std::shared_ptr<Sounds> sounds_;
    std::thread player_;
};

} // namespace daubery
