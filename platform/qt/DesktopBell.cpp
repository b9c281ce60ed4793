#include "DesktopBell.h"

#include <QApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

#if defined(DAUBERY_EVENT_SOUNDS)
#include <canberra.h>

#include <condition_variable>
#include <mutex>
#endif

namespace daubery {

namespace {
void ringWindowSystemBell() {
#if defined(Q_OS_WIN)
    MessageBeep(MB_OK); // the sound the player chose for Windows' messages
#else
    QApplication::beep();
#endif
}
} // namespace

#if defined(DAUBERY_EVENT_SOUNDS)

namespace {
// The desktop's bell: every sound theme has it, and the player's desktop sets its volume.
constexpr const char* BellEvent = "bell-window-system";
} // namespace

// The sound server is spoken to on a thread of its own: a server that hangs holds up the bell, never
// the round.
struct DesktopBell::Sounds {
    std::mutex mutex;
    std::condition_variable wake;
    bool ready = false;  // the bell is in the sound server, ready to play
    bool busy = true;    // the server is being spoken to
    bool wanted = false; // a call waits for its bell
    bool ending = false;
    ca_context* context = nullptr;

    ~Sounds() {
        if (context) ca_context_destroy(context);
    }

    bool open(const QByteArray& name, const QByteArray& id) {
        if (ca_context_create(&context) != CA_SUCCESS) {
            context = nullptr;
            return false;
        }
        // Only a sound server keeps the sound ready to play at once: without one, the window system's
        // bell is quicker than opening the sound card at every call.
        return ca_context_set_driver(context, "pulse") == CA_SUCCESS &&
               ca_context_change_props(context, CA_PROP_APPLICATION_NAME, name.constData(),
                                       CA_PROP_APPLICATION_ID, id.constData(), CA_PROP_APPLICATION_ICON_NAME,
                                       id.constData(), nullptr) == CA_SUCCESS &&
               ca_context_open(context) == CA_SUCCESS &&
               ca_context_cache(context, CA_PROP_EVENT_ID, BellEvent, nullptr) == CA_SUCCESS;
    }
    bool play() {
        return ca_context_play(context, 0, CA_PROP_EVENT_ID, BellEvent, CA_PROP_EVENT_DESCRIPTION,
                               "Number called", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent",
                               nullptr) == CA_SUCCESS;
    }

    void serve(const QByteArray& name, const QByteArray& id) {
        const bool opened = open(name, id);
        std::unique_lock lock(mutex);
        ready = opened;
        busy = false;
        while (ready) {
            wake.wait(lock, [this] { return wanted || ending; });
            if (ending) return;
            wanted = false;
            busy = true;
            lock.unlock();
            const bool played = play();
            lock.lock();
            busy = false;
            // A server gone away since the start leaves the window system's bell.
            if (!played && !ending)
                QMetaObject::invokeMethod(QCoreApplication::instance(), ringWindowSystemBell,
                                          Qt::QueuedConnection);
        }
    }
};

DesktopBell::DesktopBell() : sounds_(std::make_shared<Sounds>()) {
    player_ = std::thread([sounds = sounds_, name = QCoreApplication::applicationName().toUtf8(),
                           id = QGuiApplication::desktopFileName().toUtf8()] { sounds->serve(name, id); });
}

DesktopBell::~DesktopBell() {
    std::unique_lock lock(sounds_->mutex);
    sounds_->ending = true;
    sounds_->wake.notify_one();
    // A thread still waiting for a hung server is left to end with the program.
    const bool waiting = sounds_->busy;
    lock.unlock();
    if (waiting)
        player_.detach();
    else
        player_.join();
}

void DesktopBell::ring() {
    {
        std::lock_guard lock(sounds_->mutex);
        if (sounds_->ready && !sounds_->busy && !sounds_->wanted) {
            sounds_->wanted = true;
            sounds_->wake.notify_one();
            return;
        }
    }
    // No sound server, or one still busy with the last bell: the call is not kept waiting for it.
    ringWindowSystemBell();
}

#else

// Windows and macOS sound their own system beep.
struct DesktopBell::Sounds {};
DesktopBell::DesktopBell() = default;
DesktopBell::~DesktopBell() = default;
void DesktopBell::ring() {
    ringWindowSystemBell();
}

#endif

} // namespace daubery
