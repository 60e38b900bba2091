#include "ui/qt/ControlInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabWidget>

#include "platform/FormModel.h"
#include "ui/qt/QtConvert.h"

TControlInput::TControlInput(TFormModel& form, TDeliver deliver) : Form(form), Deliver(std::move(deliver)) {}

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
    if (object.isWidgetType())
        object.installEventFilter(this);
}

bool TControlInput::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave) {
        const std::string name = FromQt(watched->objectName());
        if (type == QEvent::Enter)
            Send([name](TFormModel& form) { form.MouseEnter(name); });
        else
            Send([name](TFormModel& form) { form.MouseLeave(name); });
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (mouse.button() != Qt::LeftButton)
        return false;
    const std::string name = FromQt(watched->objectName());
    if (type == QEvent::MouseButtonPress) {
        Send([name](TFormModel& form) { form.MouseDown(name); });
    } else if (type == QEvent::MouseButtonDblClick) {
        Send([name](TFormModel& form) { form.DblClick(name); });
    } else {
        // Labels and pictures have no click of their own: a release inside is one.
        const auto& widget = static_cast<const QWidget&>(*watched);
        const bool click = qobject_cast<const QLabel*>(&widget) && widget.rect().contains(mouse.position().toPoint());
        Send([name, click](TFormModel& form) {
            form.MouseUp(name);
            if (click)
                form.Click(name);
        });
    }
    return false;
}
