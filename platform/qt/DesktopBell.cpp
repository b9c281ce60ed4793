#include "DesktopBell.h"

#include <QApplication>

#if defined(DAUBERY_EVENT_SOUNDS)
#include <canberra.h>
#endif

namespace daubery {

#if defined(DAUBERY_EVENT_SOUNDS)

namespace {
// The desktop's bell: every sound theme has it, and the player's desktop sets its volume.
constexpr const char* BellEvent = "bell-window-system";
} // namespace

struct DesktopBell::Sounds {
    ca_context* context = nullptr;
    ~Sounds() {
        if (context) ca_context_destroy(context);
    }
};

DesktopBell::DesktopBell() {
    auto sounds = std::make_unique<Sounds>();
    if (ca_context_create(&sounds->context) != CA_SUCCESS) {
        sounds->context = nullptr;
        return;
    }
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    // Only a sound server keeps the sound ready to play at once: without one, the window system's bell
    // is quicker than opening the sound card at every call.
    if (ca_context_set_driver(sounds->context, "pulse") != CA_SUCCESS ||
        ca_context_change_props(sounds->context, CA_PROP_APPLICATION_NAME, name.constData(),
                                CA_PROP_APPLICATION_ID, id.constData(), CA_PROP_APPLICATION_ICON_NAME,
                                id.constData(), nullptr) != CA_SUCCESS ||
        ca_context_open(sounds->context) != CA_SUCCESS ||
        ca_context_cache(sounds->context, CA_PROP_EVENT_ID, BellEvent, nullptr) != CA_SUCCESS)
        return;
    sounds_ = std::move(sounds);
}

DesktopBell::~DesktopBell() = default;

void DesktopBell::ring() {
    // The server plays it on its own; a server gone away since the start leaves the window system's bell.
    if (!sounds_ ||
        ca_context_play(sounds_->context, 0, CA_PROP_EVENT_ID, BellEvent, CA_PROP_EVENT_DESCRIPTION,
                        "Number called", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr) != CA_SUCCESS)
        QApplication::beep();
}

#else

// Windows and macOS sound their own system beep.
struct DesktopBell::Sounds {};
DesktopBell::DesktopBell() = default;
DesktopBell::~DesktopBell() = default;
void DesktopBell::ring() {
    QApplication::beep();
}

#endif

} // namespace daubery
