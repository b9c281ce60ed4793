#pragma once
// The game on the desktop: windows as Qt widgets, the timers on Qt's precise timer, message boxes,
// the beep and the browser.

#include "DesktopBell.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

class QEventLoop;

namespace daubery {

class FormWindow;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void setWindows(Windows& windows) { windows_ = &windows; }

    std::int64_t now() override { return clock_.elapsed(); }
    std::uint64_t clockSeed() override;
    void attach(Form& form) override;
    void detach(Form& form) override;
    void show(Form& form) override;
    void hide(Form& form) override;
    void runModal(Form& form) override;
    void messageBox(const std::string& title, const std::string& text) override;
    void beep() override;
    void announce(const std::string& news) override;
    bool runCommand(const std::string& commandLine, WindowStyle style) override;
    void pumpEvents() override;
    void timersChanged() override;
    void quit() override;

    FormWindow* window(const Form& form) const;
    // The window with the menu bar: the one the dialogs open by.
    FormWindow* mainWindow() const;

private:
    void tick();

    Windows* windows_ = nullptr;
    QElapsedTimer clock_;
    QTimer heartbeat_;
    DesktopBell bell_;
    std::map<const Form*, FormWindow*> shown_;
    std::map<const Form*, QEventLoop*> modalLoops_;
    bool quitting_ = false;
    // Takes a request from outside to quit (QCoreApplication::quit, the desktop's Quit or the end
    // of the session) as the game's own Exit.
    std::unique_ptr<QObject> quitRequests_;
};

} // namespace daubery
