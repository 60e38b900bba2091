// The user's input on a control's widget, delivered to the form model by the
// control's name (the widget's object name).
#pragma once

#include <QObject>
#include <functional>

class TFormModel;

// Runs an engine handler; the host catches what escapes it and redraws. A
// drawing that only shows (a replayed script) delivers nothing.
using TDeliver = std::function<void(const std::function<void()>& handler)>;

class TControlInput : public QObject {
public:
    TControlInput(TFormModel& form, TDeliver deliver);

    // Connects the widget or menu action named after its control.
    void Attach(QObject& object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Send(const std::function<void(TFormModel&)>& input);

    TFormModel& Form;
    TDeliver Deliver;
};
