#include "ScreenReader.h"

#include "ControlWidgets.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace daubery {

namespace {

constexpr const char* NewsLineName = "newsLine";

class NewsItem : public QWidget {
public:
    explicit NewsItem(QWidget* line) : QWidget(line) { setFocusPolicy(Qt::NoFocus); }
    QString news;
};

// A status line's notification is spoken by its text alone, with no word for its role.
class NewsAccessible : public QAccessibleWidget {
public:
    NewsAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text which) const override {
        auto* item = dynamic_cast<NewsItem*>(widget());
        if (which == QAccessible::Name) return item ? item->news : QStringLiteral("Game news");
        return QString();
    }
};

QAccessibleInterface* accessibleNews(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget")) return nullptr;
    if (auto* item = dynamic_cast<NewsItem*>(object))
        return new NewsAccessible(item, QAccessible::Notification);
    auto* line = qobject_cast<QWidget*>(object);
    if (line && line->objectName() == QLatin1String(NewsLineName))
        return new NewsAccessible(line, QAccessible::StatusBar);
    return nullptr;
}

// The screen reader reads a notification's text when it comes to it, which may be after the next
// news: each news has an item of its own, taken in turn from a few.
constexpr int NewsItems = 8;

NewsItem& nextNewsItem(QWidget& window) {
    static const bool installed = (QAccessible::installFactory(accessibleNews), true);
    (void)installed;
    auto* line = window.findChild<QWidget*>(QLatin1String(NewsLineName), Qt::FindDirectChildrenOnly);
    if (!line) {
        line = new QWidget(&window);
        line->setObjectName(QLatin1String(NewsLineName));
        line->setFocusPolicy(Qt::NoFocus);
        line->hide();
        for (int k = 0; k < NewsItems; ++k) new NewsItem(line);
    }
    const QList<NewsItem*> items = line->findChildren<NewsItem*>();
    const int next = (line->property("next").toInt() + 1) % int(items.size());
    line->setProperty("next", next);
    return *items[next];
}

bool isNews(QObject* object) {
    return dynamic_cast<NewsItem*>(object) != nullptr;
}

// What the screen reader is told of a widget of the game: whatever a window shows in view, but no
// control coming, going or moving (it speaks only notifications coming into view), and no new name
// in a window out of view.
bool worthTelling(QAccessibleEvent* event) {
    auto* widget = qobject_cast<QWidget*>(event->object());
    if (!widget || widget->isWindow() || isNews(widget)) return true;
    switch (event->type()) {
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::LocationChanged: // the falling ball, every 25 ms
        return false;
    case QAccessible::NameChanged:
        return widget->window()->isVisible();
    default:
        return true;
    }
}

QAccessible::UpdateHandler listener = nullptr;

void tellFew(QAccessibleEvent* event) {
    if (!worthTelling(event)) return;
    // Passed on the way Qt passes an event when no one sifts them.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellFew);
}

} // namespace

void tellAccessibility(QAccessibleEvent& event) {
    if (listener) listener(&event);
    QAccessible::updateAccessibility(&event);
}

void listenToAccessibleEvents(QAccessible::UpdateHandler told) {
    listener = told;
}

void keepScreenReaderEventsFew() {
    QAccessible::installUpdateHandler(tellFew);
}

void tellNews(QWidget& window, const QString& text) {
    NewsItem& item = nextNewsItem(window);
    item.news = text;
    // The screen reader keeps the names it has read; an item used before is read anew.
    QAccessibleEvent renamed(&item, QAccessible::NameChanged);
    tellAccessibility(renamed);
    // A notification coming into view is what the screen reader speaks, however often it comes.
    QAccessibleEvent shown(&item, QAccessible::ObjectShow);
    tellAccessibility(shown);
}

} // namespace daubery
