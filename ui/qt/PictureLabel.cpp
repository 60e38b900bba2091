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

QSize TPictureLabel::sizeHint() const
{
    return Picture.isNull() ? QLabel::sizeHint() : Picture.size();
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
    const bool fits = Picture.width() <= width() && Picture.height() <= height();
    setPixmap(fits ? Picture : Picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
