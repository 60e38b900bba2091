#include "ui/qt/ControlDrag.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QWidget>


namespace {

const QString ControlFormat = QStringLiteral("application/x-vellumora-control");
constexpr int CaptionPadding = 4;

// The caption on a small card, as it is written on the control.
QPixmap CaptionCard(const QWidget& source, const QString& caption)
{
    const QFontMetrics metrics(source.font());
    const QSize size(metrics.horizontalAdvance(caption) + 2 * CaptionPadding, metrics.height() + 2 * CaptionPadding);
    const qreal ratio = source.devicePixelRatioF();
    QPixmap card(size * ratio);
    card.setDevicePixelRatio(ratio);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QPalette& colours = source.palette();
    painter.setPen(colours.color(QPalette::Mid));
    painter.setBrush(colours.color(QPalette::Base));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    painter.setFont(source.font());
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, caption);
    return card;
}

} // namespace

QDrag* MakeControlDrag(QWidget& source, const std::string& name, const QString& caption)
{
    auto* data = new QMimeData;
    data->setData(ControlFormat, QByteArray::fromStdString(name));
    auto* drag = new QDrag(&source);
    drag->setMimeData(data);
    const QPixmap card = CaptionCard(source, caption);
    drag->setPixmap(card);
    drag->setHotSpot(QPoint(CaptionPadding, card.deviceIndependentSize().toSize().height() / 2));
    return drag;
}

std::optional<std::string> DraggedControl(const QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasFormat(ControlFormat))
        return std::nullopt;
    return data->data(ControlFormat).toStdString();
}
