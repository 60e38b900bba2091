#include "ui/qt/PainterCanvas.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/qt/QtConvert.h"

namespace {

// Rectangles keep Windows' habit: right and bottom lie just outside.
QRect ToQRect(const TRect& rect)
{
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter) : Painter(painter)
{
    Painter.setRenderHint(QPainter::TextAntialiasing);
}

void TPainterCanvas::SetFont(const TFont& font)
{
    Painter.setFont(ToQFont(font));
    TextColor = font.Color;
}

int TPainterCanvas::TextWidth(const std::string& text)
{
    return Painter.fontMetrics().horizontalAdvance(ToQt(text));
}

int TPainterCanvas::TextHeight(const std::string&)
{
    return Painter.fontMetrics().height();
}

void TPainterCanvas::FillRect(const TRect& rect, TColor color)
{
    Painter.fillRect(ToQRect(rect), ToQColor(color));
}

void TPainterCanvas::FrameRect(const TRect& rect, TColor color)
{
    const QRect area = ToQRect(rect);
    if (area.isEmpty())
        return;
    Painter.setPen(QPen(ToQColor(color), 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TPainterCanvas::Line(int x1, int y1, int x2, int y2, TColor color, int width)
{
    Painter.setPen(QPen(ToQColor(color), std::max(width, 1)));
    Painter.drawLine(x1, y1, x2, y2);
}

void TPainterCanvas::TextOut(int x, int y, const std::string& text)
{
    Painter.setPen(ToQColor(TextColor));
    Painter.drawText(QPoint(x, y + Painter.fontMetrics().ascent()), ToQt(text));
}

void TPainterCanvas::DrawPicture(int x, int y, const TPicture& picture)
{
    Painter.drawImage(QPoint(x, y), ToQImage(picture));
}
