// A painted area (a page box or a map grid): the engine draws it through a canvas
// whenever Qt repaints it; the pointer is followed, for links under it.
#pragma once

#include <QWidget>

class TFormModel;

class TPaintedControl : public QWidget {
public:
    explicit TPaintedControl(QWidget* parent = nullptr);

    // The form whose control of this widget's name draws it; none draws nothing.
    void PaintFrom(TFormModel& form);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFormModel* Form = nullptr;
};
