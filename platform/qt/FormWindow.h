#pragma once
// A window of the game shown on the desktop: its client area at the designed size, its controls as
// widgets and its menus in a menu bar, all kept in step with the model.

#include "platform/Form.h"

#include <QMainWindow>
#include <map>

class QAction;
class QMenu;

namespace daubery {

class Windows;

// Dialogs have a title and a close button, but no minimise or maximise buttons.
inline constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

class FormWindow : public QMainWindow {
public:
    FormWindow(Form& form, Windows& windows);
    ~FormWindow() override;

    // A dialog of the game, centred by the main window: not the main window or the message board.
    bool isDialog() const { return !form_.hasMenu() && form_.centred(); }
    // Stops listening to the model: the window is going away.
    void release();
    void syncWindow();
    // Shows the window as the model has it; a dialog's first showing places it by the main window.
    void showAsModel(const FormWindow* main);
    // Where a dialog goes: a modal one centred over the main window, the others where they leave the
    // main window's visible panels in view, beside it when they cannot lie between them.
    // Where a window opens just above the main window, as far as the screen has room.
    QPoint placeAbove(const QWidget& main) const;
    QPoint placeBy(const QWidget& main) const;
    // The main window's client area left free by its visible panels and labels: the widest such strip.
    QRect freeStrip() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addMenu(Control& item);
    void syncMenu(const Control& item);
    void arrangeTabOrder();
    void labelLists();
    // A link keeps the keyboard only while the window shows nothing else that takes it.
    void keepKeyboardOffLinks();
    bool isLink(const QWidget* widget) const;

    Form& form_;
    Windows& windows_;
    QWidget* client_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const Control*, QAction*> actions_;
    std::map<const Control*, QMenu*> menus_;
    bool placed_ = false;
    bool released_ = false;
};

} // namespace daubery
