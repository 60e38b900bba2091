#include "tests/qt/WidgetChecks.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace {

std::string NameOf(const QWidget& widget)
{
    return widget.objectName().toStdString();
}

QRect Whole(const QWidget& widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// What of the widget shows: a scroll area's view cuts what it scrolls.
QRect OnScreen(const QWidget& widget)
{
    QRect shown = Whole(widget);
    for (const QWidget* view = widget.parentWidget(); view && !view->isWindow(); view = view->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(view->parentWidget()))
            shown &= Whole(*view);
    return shown;
}

std::string Text(QWidget& widget, QAccessible::Text kind)
{
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(&widget);
    return readable ? readable->text(kind).trimmed().toStdString() : std::string();
}

} // namespace

std::vector<QWidget*> ShownWidgets(QWidget& window)
{
    std::vector<QWidget*> shown;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || widget->window() != &window || !widget->isVisibleTo(&window))
            continue;
        shown.push_back(widget);
    }
    return shown;
}

std::vector<std::string> OutsideOf(QWidget& window, const QRect& screen)
{
    std::vector<std::string> faults;
    for (QWidget* widget : ShownWidgets(window))
        if (!screen.contains(OnScreen(*widget)))
            faults.push_back(NameOf(*widget) + " leaves the screen");
    return faults;
}

std::vector<std::string> Overlapping(QWidget& window, const std::set<std::string>& allowed)
{
    const std::vector<QWidget*> shown = ShownWidgets(window);
    std::vector<std::string> faults;
    for (size_t one = 0; one < shown.size(); ++one)
        for (size_t other = one + 1; other < shown.size(); ++other) {
            QWidget& first = *shown[one];
            QWidget& second = *shown[other];
            if (first.isAncestorOf(&second) || second.isAncestorOf(&first) ||
                !OnScreen(first).intersects(OnScreen(second)))
                continue;
            if (allowed.count(NameOf(first) + "+" + NameOf(second)) || allowed.count(NameOf(second) + "+" + NameOf(first)))
                continue;
            faults.push_back(NameOf(first) + " overlaps " + NameOf(second));
        }
    return faults;
}

std::vector<std::string> CutCaptions(QWidget& window)
{
    std::vector<std::string> faults;
    for (QWidget* widget : ShownWidgets(window)) {
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        const QSize needed = widget->minimumSizeHint();
        if (!caption.isEmpty() && (widget->width() < needed.width() || widget->height() < needed.height()))
            faults.push_back(NameOf(*widget) + " cuts \"" + caption.toStdString() + "\"");
    }
    return faults;
}

std::vector<std::string> Unreadable(QWidget& window, const std::set<std::string>& controls)
{
    std::vector<std::string> faults;
    for (QWidget* widget : ShownWidgets(window)) {
        if (!controls.count(NameOf(*widget)))
            continue;
        if (Text(*widget, QAccessible::Name).empty())
            faults.push_back(NameOf(*widget) + " has no accessible name");
        if (Text(*widget, QAccessible::Description).empty())
            faults.push_back(NameOf(*widget) + " has no accessible description");
    }
    return faults;
}
