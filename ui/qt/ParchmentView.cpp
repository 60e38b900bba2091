#include "ui/qt/ParchmentView.h"

#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "app/GraphicInfoForm.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/QtConvert.h"

namespace {

// What shows where the program folder has no parchment.
const QColor PlainParchment(236, 222, 186);

// One notch of an ordinary wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

} // namespace

TParchmentView::TParchmentView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(TFrmGraphicInfo::AreaWidth, TFrmGraphicInfo::AreaHeight);
}

void TParchmentView::SetTextColor(const QColor& color)
{
    TextColor = color;
    update();
}

void TParchmentView::Show(const TControlLook& look)
{
    Lines.clear();
    for (const std::string& line : look.Items)
        Lines << ToQt(line);
    First = look.Position;
    if (look.Tag > 0)
        setFixedWidth(static_cast<int>(look.Tag));
    if (look.Picture != ParchmentShown) {
        ParchmentShown = look.Picture;
        Parchment = look.Picture ? ToQImage(*look.Picture) : QImage();
    }
    // A screen reader reads the whole text, not the lines in view.
    if (!look.Text.empty())
        setAccessibleDescription(ToQt(look.Text));
    update();
}

void TParchmentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (Parchment.isNull())
        painter.fillRect(rect(), PlainParchment);
    else
        painter.drawImage(rect(), Parchment);
    painter.setPen(TextColor);
    const QFontMetrics metrics(font());
    const int margin = TFrmGraphicInfo::TextMargin;
    int top = margin;
    for (qsizetype line = std::max(First, 0); line < Lines.size() && top + metrics.height() <= height() - margin;
         ++line, top += metrics.lineSpacing())
        painter.drawText(QPoint(margin, top + metrics.ascent()), Lines[line]);
}

void TParchmentView::wheelEvent(QWheelEvent* event)
{
    WheelLeft -= event->angleDelta().y();
    const int notches = WheelLeft / WheelNotch;
    WheelLeft -= notches * WheelNotch;
    if (notches != 0 && OnWheel)
        OnWheel(notches);
    event->accept();
}
