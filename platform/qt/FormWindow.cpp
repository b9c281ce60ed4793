#include "FormWindow.h"

#include "ControlWidgets.h"
#include "assets/Pictures.h"
#include "platform/Windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace daubery {

namespace {

// The client area: the window's colour and picture behind its controls.
class ClientArea : public QWidget {
public:
    ClientArea(const Form& form, QWidget* parent) : QWidget(parent), form_(&form) {}
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

bool hasItems(const Form& form, const Control& menu) {
    for (const auto& c : form.controls())
        if (c->container() == &menu) return true;
    return false;
}

} // namespace

FormWindow::FormWindow(Form& form, Windows& windows)
    : QMainWindow(nullptr, form.hasMenu() ? Qt::Window : Qt::Dialog), form_(form), windows_(windows),
      client_(new ClientArea(form, this)) {
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
        connect(action, &QAction::triggered, this, [&item, &windows] { windows.userClick(item); });
    }
    actions_[&item] = action;
    action->setObjectName(widgetName(item));
    syncMenu(item);
    item.changed = [this](Control& c) { syncMenu(c); };
}

void FormWindow::syncMenu(const Control& item) {
    QAction* action = actions_.at(&item);
    action->setText(QString::fromStdString(item.caption()));
    action->setVisible(item.visible());
    action->setEnabled(item.enabled());
}

void FormWindow::syncWindow() {
    setWindowTitle(QString::fromStdString(form_.caption()));
    client_->setFixedSize(pixels(form_.clientWidth()), pixels(form_.clientHeight()));
    setFixedSize(sizeHint());
    if (!form_.centred() && (form_.left() != 0 || form_.top() != 0))
        move(pixels(form_.left()), pixels(form_.top()));
    client_->update();
    if (!isVisible()) return;
    const bool minimised = isMinimized(), maximised = isMaximized();
    if (form_.windowState() == WindowState::Minimised && !minimised) showMinimized();
    if (form_.windowState() == WindowState::Maximised && !maximised) showMaximized();
    if (form_.windowState() == WindowState::Normal && (minimised || maximised)) showNormal();
}

void FormWindow::showAsModel() {
    if (!placed_ && form_.centred()) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
    }
    placed_ = true;
    setWindowModality(form_.modal() ? Qt::ApplicationModal : Qt::NonModal);
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

} // namespace daubery
