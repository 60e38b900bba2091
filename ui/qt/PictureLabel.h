// A picture control: shows its picture whole, shrunk to fit its place inside
// its margin when larger.
#pragma once

#include <QLabel>
#include <QPixmap>

class TPictureLabel : public QLabel {
public:
    explicit TPictureLabel(QWidget* parent);

    // A null image shows nothing.
    void SetPicture(const QImage& image);
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QPixmap Picture;
};
