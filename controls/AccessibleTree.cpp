// What screen readers are offered of our windows: the controls a player can see, in reading order.
#include "controls/AccessibleTree.h"

#include "controls/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace a11y {
namespace {

constexpr char kReadWithValue[] = "a11yReadWithValue";

// A caption label is read as part of the value it captions, not on its own.
bool ReadWithItsValue(const QWidget& widget) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (!label) return false;
    if (label->buddy()) return !label->buddy()->isHidden();
    return label->property(kReadWithValue).toBool();
}

bool HasChildWidgets(const QWidget& widget) {
    const QObjectList& children = widget.children();
    return std::any_of(children.begin(), children.end(),
                       [](const QObject* child) { return child->isWidgetType(); });
}

// A control the player can reach, a group of controls, or anything with a name; an unnamed
// picture is decoration.
bool HasSomethingToSay(QWidget& widget) {
    if (widget.focusPolicy() != Qt::NoFocus || HasChildWidgets(widget)) return true;
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    return face && !face->text(QAccessible::Name).isEmpty();
}

// Whether a child of a plain container is offered while it is shown. A window's voice speaks
// when it is shown and is not read again.
bool OfferedWhenShown(QWidget& child) {
    return !child.isWindow() && !child.inherits("Announcer") && !ReadWithItsValue(child) &&
           HasSomethingToSay(child);
}

// Two widgets, `upper` standing no lower than `lower`, share a line of reading when each has
// half its height or more beside the other.
bool OnOneLine(const QWidget& upper, const QWidget& lower) {
    const int overlap =
        std::min(upper.geometry().bottom(), lower.geometry().bottom()) - lower.y() + 1;
    return 2 * overlap >= upper.height() && 2 * overlap >= lower.height();
}

// Top to bottom line by line, each line left to right; a line is a widget and those after it
// that share its line.
void SortIntoReadingOrder(QList<QWidget*>& widgets) {
    const auto above = [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); };
    const auto leftOf = [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); };
    std::stable_sort(widgets.begin(), widgets.end(), above);
    for (auto line = widgets.begin(); line != widgets.end();) {
        const QWidget& first = **line;
        const auto end = std::find_if(line + 1, widgets.end(),
                                      [&first](const QWidget* w) { return !OnOneLine(first, *w); });
        std::stable_sort(line, end, leftOf);
        line = end;
    }
}

// A plain container: a window or a panel of our own.
class ShownChildren : public QAccessibleWidget {
public:
    explicit ShownChildren(QWidget* widget) : QAccessibleWidget(widget) {}

    // A window of our own reads as a dialog, so that a screen reader reads its text when it
    // opens; as a plain panel it would read only the title.
    QAccessible::Role role() const override {
        return widget()->isWindow() ? QAccessible::Dialog : QAccessibleWidget::role();
    }

    int childCount() const override { return static_cast<int>(OfferedChildren(*widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> offered = OfferedChildren(*widget());
        if (index < 0 || index >= offered.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(offered[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return static_cast<int>(
            OfferedChildren(*widget()).indexOf(static_cast<QWidget*>(child->object())));
    }
};

// A value label, named by its caption and its text.
class CaptionedValue : public QAccessibleWidget {
public:
    explicit CaptionedValue(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<ValueLabel*>(widget())->SpokenText();
        return QAccessibleWidget::text(kind);
    }
};

// Tells clients that a child of a plain container came into its offered children or left them,
// as Qt tells them only that the child is showing or not.
class TreeChanges : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const bool shown = event->type() == QEvent::ShowToParent;
        if ((shown || event->type() == QEvent::HideToParent) && object->isWidgetType() &&
            QAccessible::isActive() && !QCoreApplication::closingDown())
            Tell(*static_cast<QWidget*>(object), shown);
        return false;
    }

private:
    static void Tell(QWidget& child, bool shown) {
        QWidget* parent = child.parentWidget();
        if (!parent || !OfferedWhenShown(child) ||
            !dynamic_cast<ShownChildren*>(QAccessible::queryAccessibleInterface(parent)))
            return;
        QAccessibleEvent change(&child,
                                shown ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&change);
    }
};

QAccessibleInterface* OurInterfaces(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ImageBox"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("ValueLabel"))
        return new CaptionedValue(static_cast<ValueLabel*>(widget));
    if (className == QLatin1String("QWidget")) return new ShownChildren(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibleTree() {
    static bool installed = false;
    if (installed) return;
    QAccessible::installFactory(OurInterfaces);
    QCoreApplication::instance()->installEventFilter(new TreeChanges(QCoreApplication::instance()));
    installed = true;
}

QList<QWidget*> OfferedChildren(const QWidget& container) {
    QList<QWidget*> offered;
    for (QObject* child : container.children()) {
        if (!child->isWidgetType()) continue;
        auto* widget = static_cast<QWidget*>(child);
        if (!widget->isHidden() && OfferedWhenShown(*widget)) offered.push_back(widget);
    }
    SortIntoReadingOrder(offered);
    return offered;
}

void ReadWithValue(QLabel& caption) {
    caption.setProperty(kReadWithValue, true);
}

void Rename(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void Redescribe(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

}  // namespace a11y
