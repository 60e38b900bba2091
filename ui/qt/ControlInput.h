// The user's input on a control's widget, delivered to the form model by the
// control's name (the widget's object name).
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <string>

class QContextMenuEvent;
class QDropEvent;
class QMouseEvent;
class QWidget;
class TFormModel;

// Runs an engine handler; the host catches what escapes it and redraws. A
// drawing that only shows (a replayed script) delivers nothing.
using TDeliver = std::function<void(const std::function<void()>& handler)>;
// Pops up the context menu of that name at a point of the screen, without waiting.
using TPopUp = std::function<void(const std::string& menu, const QPoint& where)>;

class TControlInput : public QObject {
public:
    TControlInput(TFormModel& form, TDeliver deliver, TPopUp popUp);

    // Connects the widget or menu action named after its control.
    void Attach(QObject& object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Send(const std::function<void(TFormModel&)>& input);
    bool Mouse(QWidget& widget, const std::string& name, const QMouseEvent& mouse);
    bool MayDrag(const std::string& name) const;
    void Drag(QWidget& widget, const std::string& name);
    bool ContextMenu(const std::string& name, const QContextMenuEvent& event);
    bool DragOver(const std::string& target, QDropEvent& event);
    bool Drop(const std::string& target, QDropEvent& event);

    TFormModel& Form;
    TDeliver Deliver;
    TPopUp PopUp;
    // Where the left button went down, for telling a drag from a click.
    QPointer<QWidget> Pressed;
    QPoint PressedAt;
    QPointer<QWidget> DraggedFrom;
};
