#include "ui/qt/PaintedControl.h"

#include <QPainter>

#include "platform/FormModel.h"
#include "ui/qt/PainterCanvas.h"
#include "ui/qt/QtConvert.h"

TPaintedControl::TPaintedControl(QWidget* parent) : QWidget(parent)
{
    // A link under the pointer shows the hand before any button is pressed.
    setMouseTracking(true);
}

void TPaintedControl::PaintFrom(TFormModel& form)
{
    Form = &form;
    update();
}

void TPaintedControl::paintEvent(QPaintEvent*)
{
    if (!Form)
        return;
    // Drawn on the widget itself, so that text stays sharp on scaled screens.
    QPainter painter(this);
    TPainterCanvas canvas(painter);
    Form->Paint(FromQt(objectName()), canvas);
}
