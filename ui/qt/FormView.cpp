#include "ui/qt/FormView.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "ui/qt/PaintedControl.h"
#include "ui/qt/QtConvert.h"

namespace {

// The keys players of such games expect for quick saving and loading.
QKeySequence MenuShortcut(const std::string& name)
{
    if (name == "QuickSave")
        return QKeySequence(Qt::Key_F5);
    if (name == "QuickLoad")
        return QKeySequence(Qt::Key_F9);
    return {};
}

void Stack(QWidget& widget, TControlKind kind, QWidget& container)
{
    auto* column = dynamic_cast<QVBoxLayout*>(container.layout());
    if (!column) {
        column = new QVBoxLayout(&container);
        column->setAlignment(Qt::AlignTop);
    }
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setWordWrap(true);
    if (kind != TControlKind::Button) {
        column->addWidget(&widget);
        return;
    }
    QLayoutItem* last = column->count() > 0 ? column->itemAt(column->count() - 1) : nullptr;
    auto* row = last ? dynamic_cast<QHBoxLayout*>(last->layout()) : nullptr;
    if (!row) {
        row = new QHBoxLayout;
        column->addLayout(row);
    }
    row->addWidget(&widget);
}

} // namespace

TFormView::TFormView(TFormModel& form, QWidget& root, TDeliver deliver, TFormViewParts parts)
    : Form(form),
      Root(root),
      Input(form, std::move(deliver), [this](const std::string& menu, const QPoint& where) { PopUp(menu, where); }),
      Parts(std::move(parts))
{
}

TFormView::TBound* TFormView::Find(const std::string& name)
{
    const auto found = Bound.find(name);
    return found == Bound.end() ? nullptr : &found->second;
}

QObject* TFormView::Drawn(const std::string& name) const
{
    const auto found = Bound.find(name);
    return found == Bound.end() ? nullptr : found->second.Object.data();
}

QWidget* TFormView::Widget(const std::string& name) const
{
    return qobject_cast<QWidget*>(Drawn(name));
}

void TFormView::Sync()
{
    // Hiding a widget under the mouse tells it the mouse left, which is input
    // again: a sync asked for meanwhile runs after this one.
    if (Syncing) {
        SyncAgain = true;
        return;
    }
    Syncing = true;
    do {
        SyncAgain = false;
        Walk();
    } while (SyncAgain);
    Syncing = false;
}

void TFormView::Walk()
{
    ++Generation;
    for (const auto& control : Form.Controls()) {
        auto found = Bound.find(control->Name);
        if (found == Bound.end())
            found = Bound.emplace(control->Name, Make(*control)).first;
        TBound& bound = found->second;
        bound.Seen = Generation;
        if (bound.Object)
            Show(bound, *control);
    }
    std::erase_if(Bound, [this](auto& entry) {
        if (entry.second.Seen == Generation)
            return false;
        Unbind(entry.second);
        return true;
    });
}

TFormView::TBound TFormView::Make(const TControlState& control)
{
    TBound bound;
    TBound* parent = control.Parent.empty() ? nullptr : Find(control.Parent);
    if (control.Kind == TControlKind::Menu || control.Kind == TControlKind::MenuItem ||
        control.Kind == TControlKind::PopupMenu) {
        if (QAction* action = MakeAction(control, parent, bound)) {
            action->setObjectName(ToQt(control.Name));
            action->setShortcut(MenuShortcut(control.Name));
            Input.Attach(*action);
            bound.Object = action;
        }
        return bound;
    }
    QWidget* container = parent && parent->Container ? parent->Container.data() : &Root;
    auto* tabs = parent ? qobject_cast<QTabWidget*>(parent->Object) : nullptr;
    // The designed widget of the name, a tab page too, else one made here.
    QWidget* widget = Root.findChild<QWidget*>(ToQt(control.Name));
    if (!widget && tabs && control.Kind == TControlKind::TabSheet) {
        widget = new QWidget;
        // The first page becomes the current one: no choice of the user either.
        const QSignalBlocker blocker(tabs);
        tabs->addTab(widget, QString());
        if (Parts.DesignPage)
            Parts.DesignPage(control.Name, *widget);
    } else if (!widget) {
        widget = Parts.Make ? Parts.Make(control, *container) : nullptr;
        if (!widget) {
            widget = MakeControlWidget(control.Kind, container);
            if (!widget)
                return bound;
            Place(*widget, control, *container);
        }
    }
    widget->setObjectName(ToQt(control.Name));
    if (auto* painted = dynamic_cast<TPaintedControl*>(widget))
        painted->PaintFrom(Form);
    Input.Attach(*widget);
    bound.Object = widget;
    bound.Container = ContainerOf(*widget);
    return bound;
}

QAction* TFormView::MakeAction(const TControlState& control, TBound* parent, TBound& bound)
{
    if (control.Kind == TControlKind::PopupMenu) {
        // Not in the menu bar: it pops up where the pointer is when asked.
        auto* menu = new QMenu(&Root);
        menu->setObjectName(ToQt(control.Name));
        bound.Container = menu;
        return menu->menuAction();
    }
    if (!parent) {
        if (!Parts.MenuBar)
            return nullptr;
        QMenu* menu = Parts.MenuBar->addMenu(QString());
        bound.Container = menu;
        return menu->menuAction();
    }
    auto* menu = qobject_cast<QMenu*>(parent->Container);
    if (!menu) {
        // An item becomes a submenu with its first child.
        auto* item = qobject_cast<QAction*>(parent->Object);
        if (!item)
            return nullptr;
        menu = new QMenu(qobject_cast<QWidget*>(item->parent()));
        item->setMenu(menu);
        parent->Container = menu;
    }
    auto* action = new QAction(menu);
    menu->addAction(action);
    return action;
}

void TFormView::PopUp(const std::string& menu, const QPoint& where)
{
    const TBound* bound = Find(menu);
    if (auto* popup = bound ? qobject_cast<QMenu*>(bound->Container) : nullptr)
        popup->popup(where);
}

void TFormView::Place(QWidget& widget, const TControlState& control, QWidget& container)
{
    const auto place = Parts.Place ? Parts.Place(control.Name) : std::nullopt;
    if (place)
        widget.setGeometry(*place);
    else
        Stack(widget, control.Kind, container);
}

void TFormView::Show(TBound& bound, const TControlState& control)
{
    TControlLook look = LookOf(control);
    if (!bound.Shown || *bound.Shown != look) {
        const TControlLook* before = bound.Shown ? &*bound.Shown : nullptr;
        if (auto* action = qobject_cast<QAction*>(bound.Object))
            ShowActionLook(*action, look, before);
        else if (auto* widget = qobject_cast<QWidget*>(bound.Object))
            ShowWidget(*widget, control, look, before);
        bound.Shown = std::move(look);
    }
    ShowInput(*bound.Object, control);
}

void TFormView::ShowWidget(QWidget& widget, const TControlState& control, const TControlLook& look,
                           const TControlLook* before)
{
    TBound* parent = control.Parent.empty() ? nullptr : Find(control.Parent);
    auto* tabs = parent ? qobject_cast<QTabWidget*>(parent->Object) : nullptr;
    const TControlState* pages = tabs ? Form.Find(control.Parent) : nullptr;
    if (!pages || control.Kind != TControlKind::TabSheet) {
        ShowLook(widget, control.Kind, look, before);
        return;
    }
    ShowTabLook(*tabs, widget, look, before);
    // Qt leaves a tab that is disabled or hidden; the model's page stays.
    ShowInput(*tabs, *pages);
}

void TFormView::Unbind(const TBound& bound)
{
    // Deleted later: the widget's own event may be what removed its control.
    if (auto* widget = qobject_cast<QWidget*>(bound.Object)) {
        // Nameless, so that a control of the same name added meanwhile gets a
        // widget of its own.
        widget->setObjectName(QString());
        widget->hide();
        widget->deleteLater();
    } else if (auto* action = qobject_cast<QAction*>(bound.Object)) {
        action->setVisible(false);
        // A top menu's action belongs to the menu; an item may have a submenu.
        auto* menu = qobject_cast<QMenu*>(bound.Container);
        if (menu)
            menu->deleteLater();
        if (!menu || menu->menuAction() != action)
            action->deleteLater();
    }
}
