#include "FormWindow.h"

#include "ControlWidgets.h"
#include "DialogOwner.h"
#include "assets/Pictures.h"
#include "platform/Windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <QAccessibleWidget>

#include <algorithm>
#include <functional>
#include <vector>

namespace daubery {

namespace {

// The client area: the window's colour and picture behind its controls.
class ClientArea : public QWidget {
public:
    ClientArea(const Form& form, QWidget* parent) : QWidget(parent), form_(&form) {
        setObjectName(QLatin1String(ClientAreaName));
    }
    void release() { form_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!form_) return;
        QPainter painter(this);
        if (form_->backColor() != colour::Default) painter.fillRect(rect(), qtColour(form_->backColor()));
        if (form_->picture().empty()) return;
        const QImage picture = pictures::image(form_->picture(), devicePixelRatioF());
        if (!picture.isNull()) painter.drawImage(QPoint(0, 0), picture);
    }

private:
    const Form* form_;
};

// Widgets are named as their controls, Label1[5] for an element of an array, so they can be found.
QString widgetName(const Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) name += QStringLiteral("[%1]").arg(control.index());
    return name;
}

// To a screen reader the options, the help viewer and the outcome are dialogs, modal or not as
// they open; the main window and the message board are windows.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* window, bool dialog)
        : QAccessibleWidget(window, dialog ? QAccessible::Dialog : QAccessible::Window) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->windowModality() != Qt::NonModal;
        return state;
    }
};

QAccessibleInterface* accessibleWindow(const QString& className, QObject* object) {
    auto* window = className == QLatin1String("QMainWindow") ? dynamic_cast<FormWindow*>(object) : nullptr;
    return window ? new WindowAccessible(window, window->isDialog()) : nullptr;
}

// A menu's caption as shown: the access key marked before its first appearance when the caption
// marks none itself.
QString menuText(const Control& item) {
    QString text = QString::fromStdString(item.caption());
    if (item.accessKey == 0 || text.contains(QLatin1Char('&'))) return text;
    const qsizetype at = text.indexOf(QLatin1Char(item.accessKey), 0, Qt::CaseInsensitive);
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

bool hasItems(const Form& form, const Control& menu) {
    for (const auto& c : form.controls())
        if (c->container() == &menu) return true;
    return false;
}

} // namespace

FormWindow::FormWindow(Form& form, Windows& windows)
    : QMainWindow(nullptr, form.hasMenu()   ? Qt::Window
                           : form.centred() ? DialogFlags
                                            : Qt::Dialog),
      form_(form), windows_(windows), client_(new ClientArea(form, this)) {
    static const bool windowsRead = (QAccessible::installFactory(accessibleWindow), true);
    (void)windowsRead;
    setObjectName(QString::fromStdString(form.name()));
    setCentralWidget(client_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    for (const auto& owned : form.controls()) {
        Control& control = *owned;
        if (control.kind() == ControlKind::Menu) {
            addMenu(control);
            continue;
        }
        QWidget* parent = control.container() ? widgets_.at(control.container()) : client_;
        QWidget* widget = createControlWidget(control, parent, windows);
        if (!widget) continue;
        widgets_[&control] = widget;
        widget->setObjectName(widgetName(control));
        syncControlWidget(*widget, control);
        control.changed = [widget](Control& c) { syncControlWidget(*widget, c); };
    }
    for (const auto& [key, command] : form.keyCommands) {
        auto* shortcut =
            new QShortcut(QKeySequence(QString::fromStdString(key), QKeySequence::PortableText), this);
        connect(shortcut, &QShortcut::activated, this, [this, &command] {
            if (!released_) windows_.dispatch(command);
        });
    }
    arrangeTabOrder();
    labelLists();
    if (!form.hasMenu()) menuBar()->hide();
    form.changed = [this] { syncWindow(); };
    syncWindow();
}

FormWindow::~FormWindow() {
    release();
}

void FormWindow::release() {
    // The model may be gone by the time the widget is deleted; let go of it once, while it lives.
    if (released_) return;
    released_ = true;
    static_cast<ClientArea*>(client_)->release();
    form_.changed = nullptr;
    for (const auto& control : form_.controls()) control->changed = nullptr;
    for (const auto& [control, widget] : widgets_) releaseControlWidget(*widget);
}

void FormWindow::addMenu(Control& item) {
    QAction* action = nullptr;
    QMenu* parentMenu = item.container() ? menus_.at(item.container()) : nullptr;
    if (hasItems(form_, item)) {
        QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
        menus_[&item] = menu;
        action = menu->menuAction();
    } else {
        action = parentMenu ? parentMenu->addAction(QString()) : menuBar()->addAction(QString());
        Windows& windows = windows_;
        QMenuBar* bar = parentMenu ? nullptr : menuBar();
        // A title on the bar that acts at once lets go of its highlight before its window opens.
        connect(action, &QAction::triggered, this, [&item, &windows, bar] {
            QEvent left(QEvent::Leave);
            if (bar) QCoreApplication::sendEvent(bar, &left);
            windows.userClick(item);
        });
    }
    actions_[&item] = action;
    action->setObjectName(widgetName(item));
    syncMenu(item);
    item.changed = [this](Control& c) { syncMenu(c); };
}

void FormWindow::syncMenu(const Control& item) {
    QAction* action = actions_.at(&item);
    // A menu item with the value 1 carries a check mark.
    action->setCheckable(item.value() != 0);
    action->setChecked(item.value() != 0);
    action->setText(menuText(item));
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
}

void FormWindow::syncWindow() {
    setWindowTitle(QString::fromStdString(form_.caption()));
    client_->setFixedSize(pixels(form_.clientWidth()), pixels(form_.clientHeight()));
    setFixedSize(sizeHint());
    // The designed place is where the window first appears; the game resizing it later leaves it
    // where the player has moved it.
    if (!placed_ && !form_.centred() && !form_.aboveMain() && (form_.left() != 0 || form_.top() != 0))
        move(pixels(form_.left()), pixels(form_.top()));
    client_->update();
    if (!isVisible()) return;
    const bool minimised = isMinimized(), maximised = isMaximized();
    if (form_.windowState() == WindowState::Minimised && !minimised) showMinimized();
    if (form_.windowState() == WindowState::Maximised && !maximised) showMaximized();
    if (form_.windowState() == WindowState::Normal && (minimised || maximised)) showNormal();
}

QRect FormWindow::freeStrip() const {
    const QRect client = client_->rect();
    // Left and right of every visible panel and label: the cards, and the read-outs between them.
    std::vector<std::pair<int, int>> covered;
    for (const auto& [control, widget] : widgets_)
        if ((control->kind() == ControlKind::Panel || control->kind() == ControlKind::Label) &&
            !control->container() && widget->isVisible())
            covered.emplace_back(widget->geometry().left(), widget->geometry().right() + 1);
    std::sort(covered.begin(), covered.end());
    QRect widest;
    int from = client.left();
    auto consider = [&](int to) {
        if (to - from > widest.width()) widest = QRect(from, client.top(), to - from, client.height());
    };
    for (const auto& [left, right] : covered) {
        consider(left);
        from = std::max(from, right);
    }
    consider(client.right() + 1);
    return QRect(client_->mapToGlobal(widest.topLeft()), widest.size());
}

QPoint FormWindow::placeBy(const QWidget& main) const {
    const QRect frame = main.frameGeometry();
    // Its frame is not known before it is shown: taken to be as wide as the main window's.
    const QSize size = sizeHint() + (frame.size() - main.size());
    const QRect screen =
        (main.screen() ? main.screen() : QGuiApplication::primaryScreen())->availableGeometry();
    QPoint at = frame.center() - QPoint(size.width() / 2, size.height() / 2);
    if (!form_.modal()) {
        const auto* shown = static_cast<const FormWindow*>(&main);
        const QRect strip = shown->freeStrip();
        if (strip.width() >= size.width())
            at.setX(strip.center().x() - size.width() / 2);
        else if (frame.right() + 1 + size.width() <= screen.right() + 1 ||
                 frame.left() - size.width() < screen.left())
            at.setX(frame.right() + 1);
        else
            at.setX(frame.left() - size.width());
    }
    // As far as the screen has room.
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
    return at;
}

QPoint FormWindow::placeAbove(const QWidget& main) const {
    const QRect frame = main.frameGeometry();
    // Its frame is not known before it is shown: taken to be as thick as the main window's.
    const QSize size = sizeHint() + (frame.size() - main.size());
    const QRect screen =
        (main.screen() ? main.screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int x =
        std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(frame.top() - size.height(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

void FormWindow::showAsModel(const FormWindow* main) {
    if (!placed_ && form_.aboveMain() && main && main != this) move(placeAbove(*main));
    if (!placed_ && form_.centred()) {
        if (main && main != this) {
            move(placeBy(*main));
            // Above the main window even when it opens on a timer's tick rather than at the player's click.
            belongTo(*this, *main);
        } else {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            move(screen.center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
        }
    }
    placed_ = true;
    setWindowModality(form_.modal() ? Qt::ApplicationModal : Qt::NonModal);
    // The message board comes up for every round beside the cards without taking the keyboard
    // from them, so a screen reader hears no focus wander to it and back.
    const bool takesKeyboard = form_.hasMenu() || form_.centred();
    setAttribute(Qt::WA_ShowWithoutActivating, !takesKeyboard);
    switch (form_.windowState()) {
    case WindowState::Minimised:
        showMinimized();
        break;
    case WindowState::Maximised:
        showMaximized();
        break;
    case WindowState::Normal:
        showNormal();
        break;
    }
    raise();
    if (!takesKeyboard) return;
    // The ring shows where the keyboard is from the window's first focus, for a player who has not
    // pressed a key yet and one who cannot see the pointer.
    setAttribute(Qt::WA_KeyboardFocusChange);
    // A window the game shows takes the keyboard, as the main window does when the board, shown for
    // a new round, hands it back.
    if (!isActiveWindow()) activateWindow();
    keepKeyboardOffLinks();
}

bool FormWindow::isLink(const QWidget* widget) const {
    for (const auto& [control, shown] : widgets_)
        if (shown == widget) return control->has(look::Underline) && control->onClick;
    return false;
}

// The web link is the only thing to take the keyboard before the first deal; once cards are dealt
// the keyboard goes to them, so that Enter after a deal never opens the browser.
void FormWindow::keepKeyboardOffLinks() {
    QWidget* focused = focusWidget();
    if (focused && !isLink(focused)) return;
    for (QWidget* next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
        if (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus) || isLink(next))
            continue;
        keyboardGroupEntry(*next)->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The game decides what the title-bar close does; the widget goes when the window unloads.
    event->ignore();
    if (!released_) windows_.userClose(form_);
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (released_) return;
    if (event->type() == QEvent::WindowStateChange) {
        const WindowState state = isMinimized()   ? WindowState::Minimised
                                  : isMaximized() ? WindowState::Maximised
                                                  : WindowState::Normal;
        if (state != form_.windowState()) windows_.userSetWindowState(form_, state);
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_.visible())
        windows_.activated(form_);
}

} // namespace daubery

namespace daubery {

// Enter presses a dialog's default button; Escape closes a modal dialog as its title-bar button does.
void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (released_) return;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        for (const auto& control : form_.controls())
            if (control->has(look::DefaultButton) && windows_.userClick(*control)) return;
    }
    if (key == Qt::Key_Escape && form_.modal()) {
        windows_.userClose(form_);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Tab follows the window's table of controls, the controls of a panel in the panel's place, and
// comes to the links last: the keyboard starts on what the window is for.
void FormWindow::arrangeTabOrder() {
    std::vector<std::pair<const Control*, QWidget*>> order;
    const std::function<void(const Control*)> visit = [&](const Control* container) {
        for (const auto& control : form_.controls()) {
            if (control->container() != container) continue;
            const auto widget = widgets_.find(control.get());
            if (widget != widgets_.end() && widget->second->focusPolicy() != Qt::NoFocus)
                order.emplace_back(control.get(), widget->second);
            if (control->kind() == ControlKind::Panel) visit(control.get());
        }
    };
    visit(nullptr);
    std::stable_partition(order.begin(), order.end(), [](const auto& entry) {
        return !(entry.first->has(look::Underline) && entry.first->onClick);
    });
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1].second, order[k].second);
}

// A list named as one of the window's headings is labelled by it, where a screen reader looks.
void FormWindow::labelLists() {
    for (const auto& [list, listWidget] : widgets_) {
        if (list->kind() != ControlKind::List || !list->accessibleName) continue;
        const std::string name = list->accessibleName();
        for (const auto& [heading, headingWidget] : widgets_)
            if (heading->kind() == ControlKind::Label && heading->caption() == name)
                if (auto* label = qobject_cast<QLabel*>(headingWidget)) label->setBuddy(listWidget);
    }
}

// Tab goes to the next control the keyboard can reach, a group of labels counting as one stop.
bool FormWindow::focusNextPrevChild(bool next) {
    QWidget* from = focusWidget();
    if (released_ || !from) return QMainWindow::focusNextPrevChild(next);
    QWidget* to = from;
    for (int guard = 0; guard < 10000; ++guard) {
        to = next ? to->nextInFocusChain() : to->previousInFocusChain();
        if (!to || to == from) break;
        if (to->window() != this || !to->isVisible() || !to->isEnabled() || to->focusProxy() ||
            !(to->focusPolicy() & Qt::TabFocus) || sameKeyboardGroup(*from, *to))
            continue;
        setAttribute(Qt::WA_KeyboardFocusChange);
        keyboardGroupEntry(*to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

} // namespace daubery
