// The item information dialog's text: its lines drawn on the parchment picture
// from the first one in view, in the widget's font, which must be the one the
// form measured them in.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

struct TControlLook;
struct TPicture;

class TParchmentView : public QWidget {
public:
    explicit TParchmentView(QWidget* parent = nullptr);

    void SetTextColor(const QColor& color);
    // The lines are the items, the first in view the position, the width the
    // tag and the parchment the picture.
    void Show(const TControlLook& look);

    // Told of each notch the wheel turns: negative towards the text's start.
    std::function<void(int notches)> OnWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QStringList Lines;
    int First = 0;
    QColor TextColor = Qt::black;
    QImage Parchment;
    std::shared_ptr<const TPicture> ParchmentShown;
    // What the wheel turned short of a whole notch.
    int WheelLeft = 0;
};
