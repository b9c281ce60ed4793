#include "QtPlatform.h"

#include "ControlWidgets.h"
#include "DialogOwner.h"
#include "FormWindow.h"
#include "ScreenReader.h"
#include "platform/Windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QUrl>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

#include <chrono>
#include <functional>
#include <utility>

namespace daubery {

namespace {

// A tick this far behind its time is not fired late in a burst: the timer takes up its beat anew.
constexpr std::int64_t MaxTimerLag = 250;

// Opens an address the way the desktop does, where "start" and "explorer" are not commands.
bool openAddress(const QString& opener, const QString& address) {
#if defined(Q_OS_WIN)
    // The shell opens it in the default browser, with no console window flashing up for "start".
    if (opener == QLatin1String("start")) return QDesktopServices::openUrl(QUrl(address));
    return QProcess::startDetached(QStringLiteral("explorer"), {address});
#else
    if (opener == QLatin1String("start")) {
#if defined(Q_OS_MACOS)
        return QProcess::startDetached(QStringLiteral("open"), {address});
#else
        return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
#endif
    }
    return QDesktopServices::openUrl(QUrl(address));
#endif
}

// Ends the game at a quit request before the windows are asked to close one by one: a window that
// took the request as its own close would cancel the quit and let the round run on.
class QuitRequests : public QObject {
public:
    explicit QuitRequests(std::function<void()> quit) : quit_(std::move(quit)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit) return false;
        quit_();
        return true;
    }

private:
    std::function<void()> quit_;
};

// A message box centred over the main window's frame, title bar and all, as the game's own dialogs
// are.
class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(const QString& title, const QString& text, QWidget* main)
        : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, main,
                      DialogFlags | Qt::MSWindowsFixedSizeDialogHint),
          main_(main) {
        // Its OK button like the game's own buttons, bare and as large, under the text with even
        // margins all round.
        if (QAbstractButton* ok = button(QMessageBox::Ok)) {
            ok->setIcon(QIcon());
            ok->setMinimumSize(89, 28);
        }
        if (layout()) layout()->setContentsMargins(Margin, Margin, Margin, Margin);
        // It shows no icon: the column kept for one would push the text off the middle.
        if (auto* icon = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) icon->hide();
        if (auto* grid = qobject_cast<QGridLayout*>(layout()))
            for (int k = 0; k < grid->count(); ++k)
                if (QSpacerItem* space = grid->itemAt(k)->spacerItem()) space->changeSize(0, 0);
        if (auto* words = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) words->setIndent(0);
    }

    void setVisible(bool visible) override {
        // Placed before its window is made as well: on a Wayland desktop a window opens where it was
        // made, whatever moves come before it is first shown. Its size here is not yet final.
        if (visible && main_ && !testAttribute(Qt::WA_WState_Created)) {
            ensurePolished();
            adjustSize();
            move(centredFrame());
        }
        QMessageBox::setVisible(visible);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (!main_) return;
        belongTo(*this, *main_);
        // Being shown, it is moved by its client area.
        move(centredFrame() + (main_->geometry().topLeft() - main_->frameGeometry().topLeft()));
    }

private:
    // Its frame's place, centred over the main window's; its frame taken to be as the main window's.
    QPoint centredFrame() const {
        const QRect frame = main_->frameGeometry();
        const QSize size = this->size() + (frame.size() - main_->size());
        return frame.center() - QPoint(size.width() / 2, size.height() / 2);
    }

    static constexpr int Margin = 16;
    QWidget* main_;
};

} // namespace

QtPlatform::QtPlatform() {
    keepScreenReaderEventsFew();
    clock_.start();
    if (QCoreApplication::instance())
        quitRequests_ = std::make_unique<QuitRequests>([this] {
            if (windows_)
                windows_->end();
            else
                QCoreApplication::exit(0);
        });
    heartbeat_.setSingleShot(true);
    heartbeat_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat_, &QTimer::timeout, [this] { tick(); });
}

QtPlatform::~QtPlatform() = default;

std::uint64_t QtPlatform::clockSeed() {
    return std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

FormWindow* QtPlatform::window(const Form& form) const {
    const auto found = shown_.find(&form);
    return found == shown_.end() ? nullptr : found->second;
}

FormWindow* QtPlatform::mainWindow() const {
    for (const auto& [form, shown] : shown_)
        if (form->hasMenu()) return shown;
    return nullptr;
}

void QtPlatform::attach(Form& form) {
    shown_[&form] = new FormWindow(form, *windows_);
}

void QtPlatform::detach(Form& form) {
    if (auto loop = modalLoops_.find(&form); loop != modalLoops_.end()) loop->second->quit();
    FormWindow* shown = window(form);
    if (!shown) return;
    shown_.erase(&form);
    shown->release();
    shown->hide();
    shown->deleteLater();
}

void QtPlatform::show(Form& form) {
    if (FormWindow* shown = window(form)) shown->showAsModel(mainWindow());
}

void QtPlatform::hide(Form& form) {
    if (auto loop = modalLoops_.find(&form); loop != modalLoops_.end()) loop->second->quit();
    if (FormWindow* shown = window(form)) shown->hide();
}

void QtPlatform::runModal(Form& form) {
    if (quitting_) return;
    // The window it was opened from takes the keyboard back when it closes.
    const QPointer<QWidget> opener = QApplication::activeWindow();
    QEventLoop loop;
    modalLoops_[&form] = &loop;
    loop.exec();
    modalLoops_.erase(&form);
    if (opener && opener->isVisible() && !quitting_) opener->activateWindow();
}

void QtPlatform::messageBox(const std::string& title, const std::string& text) {
    // Centred over the main window; its text can be selected, to copy an address from it.
    // The line breaks that end a text would leave an empty band above the button.
    CentredMessageBox box(QString::fromStdString(title), displayText(text).trimmed(), mainWindow());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void QtPlatform::beep() {
    bell_.ring();
}

void QtPlatform::announce(const std::string& news) {
    // Told in the window the player is in: a screen reader follows the window it reads.
    QWidget* told = mainWindow();
    for (const auto& [form, shown] : shown_)
        if (shown == QApplication::activeWindow()) told = shown;
    if (told) tellNews(*told, QString::fromStdString(news));
}

bool QtPlatform::runCommand(const std::string& commandLine, WindowStyle) {
    QStringList words = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    if ((program == QLatin1String("start") || program == QLatin1String("explorer")) && words.size() == 1)
        return openAddress(program, words.front());
    return QProcess::startDetached(program, words);
}

void QtPlatform::pumpEvents() {
    QCoreApplication::processEvents();
}

void QtPlatform::timersChanged() {
    if (!windows_ || quitting_) return;
    const auto due = windows_->nextDue();
    if (!due) {
        heartbeat_.stop();
        return;
    }
    heartbeat_.start(int(std::max<std::int64_t>(0, *due - now())));
}

void QtPlatform::tick() {
    if (!windows_ || quitting_) return;
    windows_->runTimersUntil(now(), MaxTimerLag);
    timersChanged();
}

void QtPlatform::quit() {
    quitting_ = true;
    heartbeat_.stop();
    for (auto& [form, loop] : modalLoops_) loop->quit();
    for (auto& [form, shown] : shown_) shown->hide();
    QCoreApplication::exit(0);
}

} // namespace daubery
