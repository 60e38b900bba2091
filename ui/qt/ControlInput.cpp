#include "ui/qt/ControlInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabWidget>

#include "platform/FormModel.h"
#include "ui/qt/ControlDrag.h"
#include "ui/qt/PaintedControl.h"
#include "ui/qt/QtConvert.h"

TControlInput::TControlInput(TFormModel& form, TDeliver deliver, TPopUp popUp)
    : Form(form), Deliver(std::move(deliver)), PopUp(std::move(popUp))
{
}

void TControlInput::Send(const std::function<void(TFormModel&)>& input)
{
    Deliver([this, input] { input(Form); });
}

void TControlInput::Attach(QObject& object)
{
    const std::string name = FromQt(object.objectName());
    auto click = [this, name] { Send([name](TFormModel& form) { form.Click(name); }); };
    auto select = [this, name](int index) { Send([name, index](TFormModel& form) { form.Select(name, index); }); };
    // Connected with this as context, so that widgets outliving the input (their
    // parent deletes them later) call nothing.
    if (auto* action = qobject_cast<QAction*>(&object))
        connect(action, &QAction::triggered, this, click);
    else if (auto* button = qobject_cast<QAbstractButton*>(&object))
        connect(button, &QAbstractButton::clicked, this, click);
    else if (auto* combo = qobject_cast<QComboBox*>(&object))
        connect(combo, &QComboBox::activated, this, select);
    else if (auto* tabs = qobject_cast<QTabWidget*>(&object))
        connect(tabs, &QTabWidget::currentChanged, this, select);
    else if (auto* edit = qobject_cast<QLineEdit*>(&object))
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            Send([name, text = FromQt(text)](TFormModel& form) { form.SetText(name, text); });
        });
    else if (auto* list = qobject_cast<QListWidget*>(&object)) {
        connect(list, &QListWidget::currentRowChanged, this, select);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, name] { Send([name](TFormModel& form) { form.DblClick(name); }); });
    }
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        // Any control may be a drop target: the form's drag-over decides.
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
}

bool TControlInput::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const std::string name = FromQt(watched->objectName());
    switch (event->type()) {
    case QEvent::Enter:
        Send([name](TFormModel& form) { form.MouseEnter(name); });
        return false;
    case QEvent::Leave:
        Send([name](TFormModel& form) { form.MouseLeave(name); });
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return Mouse(*widget, name, static_cast<const QMouseEvent&>(*event));
    case QEvent::ContextMenu:
        return ContextMenu(name, static_cast<const QContextMenuEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return DragOver(name, static_cast<QDropEvent&>(*event));
    case QEvent::Drop:
        return Drop(name, static_cast<QDropEvent&>(*event));
    default:
        return false;
    }
}

bool TControlInput::Mouse(QWidget& widget, const std::string& name, const QMouseEvent& mouse)
{
    const QPoint at = mouse.position().toPoint();
    const bool painted = dynamic_cast<const TPaintedControl*>(&widget);
    if (mouse.type() == QEvent::MouseMove) {
        if (painted && !(mouse.buttons() & Qt::LeftButton))
            Send([name, at](TFormModel& form) { form.MouseMoveAt(name, at.x(), at.y()); });
        // A press moved far enough is a drag, and no click.
        if (Pressed != &widget || !(mouse.buttons() & Qt::LeftButton) ||
            (at - PressedAt).manhattanLength() < QApplication::startDragDistance() || !MayDrag(name))
            return false;
        Pressed = nullptr;
        DraggedFrom = &widget;
        Drag(widget, name);
        return true;
    }
    if (mouse.button() != Qt::LeftButton)
        return false;
    if (mouse.type() == QEvent::MouseButtonPress) {
        Pressed = &widget;
        PressedAt = at;
        DraggedFrom = nullptr;
        Send([name](TFormModel& form) { form.MouseDown(name); });
    } else if (mouse.type() == QEvent::MouseButtonDblClick) {
        Send([name](TFormModel& form) { form.DblClick(name); });
    } else {
        Pressed = nullptr;
        // Labels, pictures and painted areas have no click of their own: a
        // release inside is one, unless the press became a drag. A painted area
        // hears where it was clicked too.
        const bool click = (qobject_cast<const QLabel*>(&widget) || painted) && widget.rect().contains(at) &&
                           DraggedFrom != &widget;
        Send([name, click, painted, at](TFormModel& form) {
            form.MouseUp(name);
            if (click && painted)
                form.ClickAt(name, at.x(), at.y());
            if (click)
                form.Click(name);
        });
    }
    return false;
}

bool TControlInput::MayDrag(const std::string& name) const
{
    const TControlState* control = Form.Find(name);
    return control && control->Draggable && control->Enabled && Form.IsShown(*control);
}

void TControlInput::Drag(QWidget& widget, const std::string& name)
{
    // Qt's own loop runs until the drop; the drop's input waits for its end.
    MakeControlDrag(widget, name, ToQt(Form.Control(name).Caption))->exec(Qt::MoveAction);
}

bool TControlInput::ContextMenu(const std::string& name, const QContextMenuEvent& event)
{
    std::string menu;
    Send([&menu, name](TFormModel& form) { menu = form.ContextPopup(name); });
    if (menu.empty())
        return false;
    PopUp(menu, event.globalPos());
    return true;
}

bool TControlInput::DragOver(const std::string& target, QDropEvent& event)
{
    const auto source = DraggedControl(event);
    if (!source)
        return false;
    bool allowed = false;
    Send([&allowed, source = *source, target](TFormModel& form) { allowed = form.DragOver(source, target); });
    event.setDropAction(Qt::MoveAction);
    event.setAccepted(allowed);
    return true;
}

bool TControlInput::Drop(const std::string& target, QDropEvent& event)
{
    const auto source = DraggedControl(event);
    if (!source)
        return false;
    event.setDropAction(Qt::MoveAction);
    event.accept();
    // Delivered once the drag is over: what the drop does may open a box, which
    // has no place inside the drag's own loop.
    QMetaObject::invokeMethod(
        this, [this, source = *source, target] { Send([source, target](TFormModel& form) { form.DragDrop(source, target); }); },
        Qt::QueuedConnection);
    return true;
}
