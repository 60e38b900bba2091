#include "ui/qt/PaintedControl.h"

#include <QPainter>
#include <exception>

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
    // No exception may cross Qt's event loop, and a box would paint again:
    // a failed drawing leaves the rest blank and is logged.
    try {
        Form->Paint(FromQt(objectName()), canvas);
    } catch (const std::exception& error) {
        qWarning("%s cannot be drawn: %s", qPrintable(objectName()), error.what());
    }
}
