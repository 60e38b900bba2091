// A picture control: shows its picture whole, shrunk to fit its place inside
// its margin when larger; or, not fitting, at its own size for a scroll area.
#pragma once

#include <QLabel>
#include <QPixmap>

class TPictureLabel : public QLabel {
public:
    explicit TPictureLabel(QWidget* parent);

    // A null image shows nothing.
    void SetPicture(const QImage& image);
    // Named as uic names the setter of a design's "fitting" property.
    void setFitting(bool fitting);
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QPixmap Picture;
    bool Fitting = true;
};
