#include "ControlWidgets.h"

#include "ScreenReader.h"
#include "assets/Pictures.h"
#include "platform/Form.h"
#include "platform/Windows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace daubery {

int pixels(int twips) {
    return int(std::lround(twips / 15.0));
}

QString displayText(const std::string& text) {
    // The game writes its line breaks as line feed and carriage return pairs.
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.remove(QLatin1Char('\r'));
    return shown;
}

QColor qtColour(int rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QFont controlFont(const Control& control) {
    QFont font(control.has(look::Serif) ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(control.has(look::Serif) ? QFont::Serif : QFont::SansSerif);
    // Point sizes are meant at 96 dots per inch, whatever the screen reports.
    font.setPixelSize(std::max(1, int(std::lround(control.fontSize() * 96.0 / 72.0))));
    font.setBold(control.has(look::Bold));
    font.setUnderline(control.has(look::Underline));
    return font;
}

void syncCommon(QWidget& widget, const Control& control) {
    widget.setGeometry(pixels(control.left()), pixels(control.top()), pixels(control.width()),
                       pixels(control.height()));
    widget.setVisible(control.visible());
    widget.setEnabled(control.enabled());
    widget.setToolTip(QString::fromStdString(control.tooltip()));
    if (control.has(look::HandCursor)) widget.setCursor(Qt::PointingHandCursor);
    if (control.has(look::HelpCursor)) widget.setCursor(Qt::WhatsThisCursor);
}

namespace {

bool takesMouse(const Control& control) {
    return control.onClick || control.onMouseMove || control.onMouseUp;
}

// How far apart two colours stand in lightness, from 1 (the same) to 21 (black on white).
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A blue link on the desktop's own window colour: on a dark desktop the classic blue is lost, so it
// takes the desktop's link colour, or a light blue where that is dark too.
QColor readableLink(const QColor& designed) {
    constexpr double Enough = 4.5;
    const QPalette desktop = QApplication::palette();
    const QColor face = desktop.color(QPalette::Window);
    if (contrast(designed, face) >= Enough) return designed;
    if (const QColor link = desktop.color(QPalette::Link); contrast(link, face) >= Enough) return link;
    return QColor(140, 180, 255);
}

void setTextColour(QWidget& widget, QPalette::ColorRole role, const Control& control) {
    QPalette palette = widget.palette();
    if (control.foreColor() != colour::Default) {
        const bool link = control.has(look::Underline) && control.foreColor() == colour::Blue;
        const QColor shown =
            link ? readableLink(qtColour(control.foreColor())) : qtColour(control.foreColor());
        palette.setColor(QPalette::Active, role, shown);
        palette.setColor(QPalette::Inactive, role, shown);
    } else {
        palette.setColor(QPalette::Active, role, QApplication::palette().color(QPalette::Active, role));
        palette.setColor(QPalette::Inactive, role, QApplication::palette().color(QPalette::Active, role));
    }
    widget.setPalette(palette);
}

// Where the keyboard is, in a window that takes it: two rings, dark outside and light
// inside, so it shows on a light square, a dark panel and a button alike.
// The ring's width inside the control: 3 px of blue and a white line.
constexpr int FocusRingWidth = 4;
void paintFocusRing(QWidget& widget) {
    if (!widget.hasFocus() || !widget.window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(widget.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(QColor(0, 70, 200), 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outer, 4, 4);
    painter.setPen(QPen(QColor(255, 255, 255), 1.0));
    painter.drawRoundedRect(outer.adjusted(2.0, 2.0, -2.0, -2.0), 3, 3);
}

class LabelWidget : public QLabel {
public:
    LabelWidget(Control& control, QWidget* parent, Windows& windows)
        : QLabel(parent), control_(control), windows_(windows) {
        setAttribute(Qt::WA_TransparentForMouseEvents, !takesMouse(control));
        setMouseTracking(bool(control.onMouseMove));
        setTextFormat(Qt::PlainText);
        // A label that takes clicks takes the keyboard too, but only from Tab and the arrow keys: a
        // click with the mouse leaves the keyboard where it was.
        if (control.onClick) setFocusPolicy(Qt::TabFocus);
    }
    const Control* control() const { return released_ ? nullptr : &control_; }
    void release() { released_ = true; }
    // Labels of one control array in one panel, a card's squares say, are one stop for Tab; the arrow
    // keys move between them.
    bool sameGroup(const LabelWidget& other) const {
        return &other != this && control_.index() >= 0 && other.control_.index() >= 0 &&
               other.parentWidget() == parentWidget() && other.control_.name() == control_.name();
    }
    // Where Tab lands in this label's group: the member the keyboard left last, or the first one.
    LabelWidget* groupEntry() {
        LabelWidget* entry = nullptr;
        for (QObject* child : parentWidget()->children()) {
            auto* member = dynamic_cast<LabelWidget*>(child);
            if (!member || (member != this && !sameGroup(*member)) || !member->canTakeFocus()) continue;
            if (!entry || member->focusedAt_ > entry->focusedAt_) entry = member;
        }
        return entry ? entry : this;
    }
    bool canTakeFocus() const { return isVisible() && isEnabled() && (focusPolicy() & Qt::TabFocus); }
    // A label with nothing to read and nothing to press, a square of a sample card or a heading
    // drawn over a picture's columns, is not offered to a screen reader.
    bool offered() const {
        return !released_ && (control_.onClick || control_.accessibleName ||
                              (!control_.caption().empty() && !control_.has(look::OverColumns)));
    }
    // Presses the label as a click does. When the press hides it, a contents item opening its page
    // say, the keyboard goes to the first control that the window now shows.
    void press() {
        if (released_) return;
        const bool hadFocus = hasFocus();
        clickTold([this] { windows_.userClick(control_); });
        if (released_) return;
        if (!hadFocus || isVisible()) return;
        QWidget* top = window();
        for (QWidget* next = top->nextInFocusChain(); next && next != top; next = next->nextInFocusChain()) {
            if (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)) continue;
            keyboardGroupEntry(*next)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    void sync() {
        syncCommon(*this, control_);
        setText(displayText(control_.caption()));
        setWordWrap(control_.has(look::WordWrap));
        setFont(fittingFont());
        Qt::Alignment alignment = control_.has(look::Centred) ? Qt::AlignHCenter : Qt::AlignLeft;
        alignment |=
            control_.has(look::WordWrap) && !control_.has(look::Middle) ? Qt::AlignTop : Qt::AlignVCenter;
        setAlignment(alignment);
        // Text the keyboard can reach starts clear of the focus ring drawn round it.
        setIndent(control_.onClick && !control_.has(look::Centred) ? FocusRingWidth + 1 : -1);
        setFrameShape(control_.has(look::Bordered) ? QFrame::Box : QFrame::NoFrame);
        setLineWidth(1);
        const bool opaque = control_.has(look::Opaque) && control_.backColor() != colour::Default;
        setAutoFillBackground(opaque);
        QPalette palette = this->palette();
        if (opaque) palette.setColor(QPalette::Window, qtColour(control_.backColor()));
        setPalette(palette);
        setTextColour(*this, QPalette::WindowText, control_);
    }

protected:
    // The designed font, a little smaller where this screen's font would not fit the whole text.
    QFont fittingFont() const {
        QFont font = controlFont(control_);
        const QString shown = text();
        const QRect room = contentsRect().isEmpty() ? QRect(0, 0, width(), height()) : contentsRect();
        for (int size = font.pixelSize(); size > MinimumPixelSize; --size) {
            font.setPixelSize(size);
            const QFontMetrics metrics(font);
            const QRect needed = wordWrap() ? metrics.boundingRect(room, Qt::TextWordWrap, shown)
                                            : metrics.boundingRect(room, Qt::TextSingleLine, shown);
            if (needed.width() <= room.width() && needed.height() <= room.height()) break;
        }
        return font;
    }
    void paintEvent(QPaintEvent* event) override {
        if (!control_.has(look::OverColumns)) {
            // The ring goes under the words, so a line of text no taller than its words stays readable.
            paintFocusRing(*this);
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setFont(font());
        const QColor ink = palette().color(QPalette::WindowText);
        const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int k = 0; k < words.size(); ++k) {
            const QRectF column = pictures::squareRect(control_.picture(), k + 1, 1);
            if (column.isEmpty()) break;
            const QRectF place(column.left(), 0, column.width(), height());
            // Light letters on the heading's glossy balls keep a soft shadow, so they read on the gloss.
            if (ink.lightness() > 200) {
                painter.setPen(QColor(0, 0, 0, 150));
                painter.drawText(place.translated(0.7, 0.7), Qt::AlignCenter, words[k]);
            }
            painter.setPen(ink);
            painter.drawText(place, Qt::AlignCenter, words[k]);
        }
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const bool inside = rect().contains(event->position().toPoint());
        Control& control = control_;
        Windows& windows = windows_;
        clickTold([&] {
            windows.dispatch([&] {
                windows.userMouseUp(control);
                if (inside) windows.userClick(control);
            });
        });
    }
    void mouseMoveEvent(QMouseEvent*) override { windows_.userMouseMove(control_); }

    void keyPressEvent(QKeyEvent* event) override {
        if (released_ || !control_.onClick || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QLabel::keyPressEvent(event);
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press();
            return;
        case Qt::Key_Left:
            return moveFocus(-1, 0);
        case Qt::Key_Right:
            return moveFocus(1, 0);
        case Qt::Key_Up:
            return moveFocus(0, -1);
        case Qt::Key_Down:
            return moveFocus(0, 1);
        default:
            return QLabel::keyPressEvent(event);
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        focusedAt_ = ++focusCount_;
        QLabel::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLabel::focusOutEvent(event);
        update();
    }

private:
    // A click that turns the label on or off, a daub say, tells a screen reader the new state.
    template <class Click> void clickTold(Click&& click) {
        const bool checkable = bool(control_.accessibleChecked);
        const bool before = checkable && control_.accessibleChecked();
        click();
        if (released_ || !checkable || control_.accessibleChecked() == before) return;
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        tellAccessibility(renamed);
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        tellAccessibility(event);
    }
    // The nearest member of the group that way, on the same row or column before any other.
    void moveFocus(int dx, int dy) {
        const QPoint from = geometry().center();
        LabelWidget* best = nullptr;
        long bestScore = 0;
        for (QObject* child : parentWidget()->children()) {
            auto* member = dynamic_cast<LabelWidget*>(child);
            if (!member || !sameGroup(*member) || !member->canTakeFocus()) continue;
            const QPoint to = member->geometry().center();
            const int along = (to.x() - from.x()) * dx + (to.y() - from.y()) * dy;
            const int across = std::abs(dx != 0 ? to.y() - from.y() : to.x() - from.x());
            if (along <= 0) continue;
            const long score = long(along) + 4L * across;
            if (!best || score < bestScore) {
                best = member;
                bestScore = score;
            }
        }
        if (best) best->setFocus(Qt::OtherFocusReason);
    }
    static constexpr int MinimumPixelSize = 8;
    static inline long focusCount_ = 0;
    Control& control_;
    Windows& windows_;
    long focusedAt_ = 0;
    bool released_ = false;
};

// What a screen reader finds on a label: its name and description from the game, asked for only
// when read; a button or a link when it takes clicks, with the press as its action.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label) : QAccessibleWidget(label, roleOf(*label)) {}

    QString text(QAccessible::Text which) const override {
        const Control* control = label().control();
        if (!control) return QString();
        switch (which) {
        case QAccessible::Name:
            if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
            return control->accessibleName ? QString::fromStdString(control->accessibleName())
                                           : displayText(control->caption());
        case QAccessible::Description:
            return control->accessibleDescription ? QString::fromStdString(control->accessibleDescription())
                                                  : QString::fromStdString(control->tooltip());
        default:
            return QAccessibleWidget::text(which);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const Control* control = label().control();
        if (control && control->accessibleChecked) {
            state.checkable = true;
            state.checked = control->accessibleChecked();
        }
        return state;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && pressable())
            label().press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static QAccessible::Role roleOf(const LabelWidget& label) {
        const Control* control = label.control();
        if (!control || !control->onClick) return QAccessible::StaticText;
        return control->has(look::Underline) ? QAccessible::Link : QAccessible::Button;
    }
    LabelWidget& label() const { return *static_cast<LabelWidget*>(widget()); }
    bool pressable() const { return label().control() && label().control()->onClick; }
};

QAccessibleInterface* accessibleLabel(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel")) return nullptr;
    auto* label = dynamic_cast<LabelWidget*>(object);
    return label ? new LabelAccessible(label) : nullptr;
}

class ImageWidget : public QWidget {
public:
    ImageWidget(Control& control, QWidget* parent, Windows& windows)
        : QWidget(parent), control_(control), windows_(windows) {
        setAttribute(Qt::WA_TransparentForMouseEvents, !takesMouse(control));
    }
    void sync() {
        syncCommon(*this, control_);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QImage picture = pictures::image(control_.picture(), devicePixelRatioF());
        if (picture.isNull()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (control_.has(look::Stretch))
            painter.drawImage(rect(), picture);
        else
            painter.drawImage(QPoint(0, 0), picture);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) windows_.userClick(control_);
    }

private:
    Control& control_;
    Windows& windows_;
};

class PanelWidget : public QWidget {
public:
    PanelWidget(Control& control, QWidget* parent) : QWidget(parent), control_(control) {}
    void sync() {
        syncCommon(*this, control_);
        const bool filled = control_.backColor() != colour::Default;
        setAutoFillBackground(filled);
        if (filled) {
            QPalette palette = this->palette();
            palette.setColor(QPalette::Window, qtColour(control_.backColor()));
            setPalette(palette);
        }
    }

private:
    Control& control_;
};

class ButtonWidget : public QPushButton {
public:
    ButtonWidget(Control& control, QWidget* parent, Windows& windows)
        : QPushButton(parent), control_(control) {
        setFocusPolicy(Qt::TabFocus);
        connect(this, &QPushButton::clicked, this, [&control, &windows] { windows.userClick(control); });
    }

protected:
    // Enter presses the button the keyboard is on, as Space does.
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        paintFocusRing(*this);
    }

public:
    void sync() {
        syncCommon(*this, control_);
        setText(displayText(control_.caption()));
        // After the text, which would set its own access key in place of the control's key.
        if (!control_.shortcut.empty()) {
            const QKeySequence key(QString::fromStdString(control_.shortcut), QKeySequence::PortableText);
            if (shortcut() != key) setShortcut(key);
        }
        setFont(controlFont(control_));
    }

private:
    Control& control_;
};

class ListWidget : public QComboBox {
public:
    ListWidget(Control& control, QWidget* parent, Windows& windows) : QComboBox(parent), control_(control) {
        setEditable(false);
        connect(this, &QComboBox::activated, this, [&control, &windows](int position) {
            if (!windows.userPick(control, position)) return;
        });
    }
    void sync() {
        syncCommon(*this, control_);
        setFont(controlFont(control_));
        QSignalBlocker quiet(this);
        if (count() != int(control_.items().size())) {
            clear();
            for (const auto& item : control_.items()) addItem(QString::fromStdString(item));
        }
        setCurrentIndex(control_.listIndex());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QComboBox::paintEvent(event);
        paintFocusRing(*this);
    }

private:
    Control& control_;
};

template <class Button> class ToggleWidget : public Button {
public:
    ToggleWidget(Control& control, QWidget* parent, Windows& windows) : Button(parent), control_(control) {
        if constexpr (std::is_same_v<Button, QRadioButton>) this->setAutoExclusive(false);
        QObject::connect(this, &Button::clicked, this, [this, &control, &windows] {
            windows.userClick(control);
            sync();
        });
    }
    void sync() {
        syncCommon(*this, control_);
        this->setText(displayText(control_.caption()));
        this->setFont(controlFont(control_));
        QSignalBlocker quiet(this);
        this->setChecked(control_.value() != 0);
    }

private:
    Control& control_;
};

class TextLineWidget : public QLineEdit {
public:
    TextLineWidget(Control& control, QWidget* parent) : QLineEdit(parent), control_(control) {
        connect(this, &QLineEdit::textEdited, this,
                [&control](const QString& text) { control.setText(text.toStdString()); });
    }
    void sync() {
        syncCommon(*this, control_);
        setFont(controlFont(control_));
        if (text().toStdString() != control_.text()) setText(QString::fromStdString(control_.text()));
    }

private:
    Control& control_;
};

class TextPageWidget : public QPlainTextEdit {
public:
    TextPageWidget(Control& control, QWidget* parent) : QPlainTextEdit(parent), control_(control) {
        setReadOnly(true);
        // The keyboard can move through the page, so a screen reader can read it line by line.
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setTabChangesFocus(true);
        setFrameShape(QFrame::NoFrame);
    }
    void sync() {
        syncCommon(*this, control_);
        setFont(controlFont(control_));
        QPalette palette = this->palette();
        if (control_.backColor() != colour::Default) {
            palette.setColor(QPalette::Base, qtColour(control_.backColor()));
            // The strip under the last whole line takes the page's colour too.
            palette.setColor(QPalette::Window, qtColour(control_.backColor()));
            setAutoFillBackground(true);
        }
        setPalette(palette);
        setTextColour(*this, QPalette::Text, control_);
        const QString shown = displayText(control_.text());
        if (toPlainText() != shown) setPlainText(shown);
        showWholeLines();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QPlainTextEdit::resizeEvent(event);
        showWholeLines();
    }

private:
    // The page ends under its last whole line: the part of a line the bottom edge would cut through
    // stays empty, at any screen scale.
    void showWholeLines() {
        const double line = QFontMetricsF(font()).lineSpacing();
        const double room = height() - 2 * frameWidth() - 2 * document()->documentMargin();
        const int spare = line > 0 && room > line ? int(std::ceil(std::fmod(room, line))) : 0;
        if (viewportMargins().bottom() != spare) setViewportMargins(0, 0, 0, spare);
    }

    Control& control_;
};

// A line is drawn by a widget covering the rectangle between its ends, clicks passing through.
class LineWidget : public QWidget {
public:
    LineWidget(Control& control, QWidget* parent) : QWidget(parent), control_(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void sync() {
        const QRect box = QRect(QPoint(pixels(control_.left()), pixels(control_.top())),
                                QPoint(pixels(control_.x2()), pixels(control_.y2())))
                              .normalized()
                              .adjusted(-Margin, -Margin, Margin, Margin);
        setGeometry(box);
        setVisible(control_.visible());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(qtColour(control_.foreColor() == colour::Default ? colour::Black : control_.foreColor()),
                 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF origin = geometry().topLeft();
        painter.drawLine(QPointF(pixels(control_.left()), pixels(control_.top())) - origin +
                             QPointF(0.5, 0.5),
                         QPointF(pixels(control_.x2()), pixels(control_.y2())) - origin + QPointF(0.5, 0.5));
    }

private:
    static constexpr int Margin = 2;
    Control& control_;
};

class CircleWidget : public QWidget {
public:
    CircleWidget(Control& control, QWidget* parent) : QWidget(parent), control_(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void sync() {
        syncCommon(*this, control_);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int fill = control_.backColor() == colour::Default ? colour::Red : control_.backColor();
        painter.setBrush(qtColour(fill));
        painter.setPen(QPen(qtColour(fill).darker(140), 0.8));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    Control& control_;
};

QWidget* createWidget(Control& control, QWidget* parent, Windows& windows);

// What a screen reader is offered of a window: what can be read or pressed, not the lines, circles,
// unnamed pictures and empty labels that only draw.
bool offered(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->isWindow() || dynamic_cast<LineWidget*>(widget) ||
        dynamic_cast<CircleWidget*>(widget))
        return false;
    if (auto* label = dynamic_cast<LabelWidget*>(widget)) return label->offered();
    if (dynamic_cast<ImageWidget*>(widget)) return !widget->accessibleName().isEmpty();
    return true;
}

// A window's client area and its panels, holding only what is offered; a named panel, a card, is a
// group the screen reader names as the keyboard enters it.
class ContainerAccessible : public QAccessibleWidget {
public:
    explicit ContainerAccessible(QWidget* container) : QAccessibleWidget(container, QAccessible::Client) {}
    QAccessible::Role role() const override {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
    int childCount() const override { return int(offeredChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> children = offeredChildren();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(offeredChildren().indexOf(child->object())) : -1;
    }

private:
    QList<QObject*> offeredChildren() const {
        QList<QObject*> children;
        for (QObject* child : widget()->children())
            if (offered(child)) children.append(child);
        return children;
    }
};

QAccessibleInterface* accessibleContainer(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget")) return nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!dynamic_cast<PanelWidget*>(widget) &&
        !(widget && widget->objectName() == QLatin1String(ClientAreaName)))
        return nullptr;
    return new ContainerAccessible(widget);
}

} // namespace

QWidget* createControlWidget(Control& control, QWidget* parent, Windows& windows) {
    static const bool labelsRead = (QAccessible::installFactory(accessibleLabel),
                                    QAccessible::installFactory(accessibleContainer), true);
    (void)labelsRead;
    QWidget* widget = createWidget(control, parent, windows);
    // The names of the other controls do not change while they live.
    if (widget && control.kind() != ControlKind::Label) {
        if (control.accessibleName)
            widget->setAccessibleName(QString::fromStdString(control.accessibleName()));
        if (control.accessibleDescription)
            widget->setAccessibleDescription(QString::fromStdString(control.accessibleDescription()));
    }
    return widget;
}

void releaseControlWidget(QWidget& widget) {
    if (auto* label = dynamic_cast<LabelWidget*>(&widget)) label->release();
}

bool sameKeyboardGroup(const QWidget& one, const QWidget& other) {
    const auto* a = dynamic_cast<const LabelWidget*>(&one);
    const auto* b = dynamic_cast<const LabelWidget*>(&other);
    return a && b && a->sameGroup(*b);
}

QWidget* keyboardGroupEntry(QWidget& widget) {
    auto* label = dynamic_cast<LabelWidget*>(&widget);
    return label ? label->groupEntry() : &widget;
}

namespace {

QWidget* createWidget(Control& control, QWidget* parent, Windows& windows) {
    switch (control.kind()) {
    case ControlKind::Label:
        return new LabelWidget(control, parent, windows);
    case ControlKind::Button:
        return new ButtonWidget(control, parent, windows);
    case ControlKind::Image:
        return new ImageWidget(control, parent, windows);
    case ControlKind::Panel:
        return new PanelWidget(control, parent);
    case ControlKind::List:
        return new ListWidget(control, parent, windows);
    case ControlKind::CheckBox:
        return new ToggleWidget<QCheckBox>(control, parent, windows);
    case ControlKind::OptionButton:
        return new ToggleWidget<QRadioButton>(control, parent, windows);
    case ControlKind::TextBox:
        if (control.has(look::WordWrap)) return new TextPageWidget(control, parent);
        return new TextLineWidget(control, parent);
    case ControlKind::Line:
        return new LineWidget(control, parent);
    case ControlKind::Circle:
        return new CircleWidget(control, parent);
    case ControlKind::Timer:
    case ControlKind::Menu:
        return nullptr;
    }
    return nullptr;
}

} // namespace

void syncControlWidget(QWidget& widget, const Control& control) {
    switch (control.kind()) {
    case ControlKind::Label:
        static_cast<LabelWidget&>(widget).sync();
        break;
    case ControlKind::Button:
        static_cast<ButtonWidget&>(widget).sync();
        break;
    case ControlKind::Image:
        static_cast<ImageWidget&>(widget).sync();
        break;
    case ControlKind::Panel:
        static_cast<PanelWidget&>(widget).sync();
        break;
    case ControlKind::List:
        static_cast<ListWidget&>(widget).sync();
        break;
    case ControlKind::CheckBox:
        static_cast<ToggleWidget<QCheckBox>&>(widget).sync();
        break;
    case ControlKind::OptionButton:
        static_cast<ToggleWidget<QRadioButton>&>(widget).sync();
        break;
    case ControlKind::TextBox:
        if (control.has(look::WordWrap))
            static_cast<TextPageWidget&>(widget).sync();
        else
            static_cast<TextLineWidget&>(widget).sync();
        break;
    case ControlKind::Line:
        static_cast<LineWidget&>(widget).sync();
        break;
    case ControlKind::Circle:
        static_cast<CircleWidget&>(widget).sync();
        break;
    case ControlKind::Timer:
    case ControlKind::Menu:
        break;
    }
}

} // namespace daubery
