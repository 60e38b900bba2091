#include "ui/qt/PictureLabel.h"

TPictureLabel::TPictureLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void TPictureLabel::SetPicture(const QImage& image)
{
    Picture = QPixmap::fromImage(image);
    Fit();
    updateGeometry();
}

void TPictureLabel::setFitting(bool fitting)
{
    Fitting = fitting;
    Fit();
}

QSize TPictureLabel::sizeHint() const
{
    if (Picture.isNull())
        return QLabel::sizeHint();
    return Picture.size() + 2 * QSize(margin(), margin());
}

void TPictureLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void TPictureLabel::Fit()
{
    if (Picture.isNull()) {
        clear();
        return;
    }
    // The margin is the label's own: the picture fits inside it.
    const QSize room = size() - 2 * QSize(margin(), margin());
    const bool fits = Picture.width() <= room.width() && Picture.height() <= room.height();
    setPixmap(fits || !Fitting ? Picture : Picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
