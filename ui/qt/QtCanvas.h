// A canvas on an image of its own, for measuring and drawing away from any widget.
#pragma once

#include <QImage>
#include <QPainter>

#include "ui/qt/PainterCanvas.h"

namespace QtCanvasDetail {
// The image and its painter, made before the canvas that draws through them.
struct TSurface {
    TSurface(int width, int height);

    QImage Drawing;
    QPainter Painter;
};
} // namespace QtCanvasDetail

class TQtCanvas : private QtCanvasDetail::TSurface, public TPainterCanvas {
public:
    TQtCanvas(int width, int height);

    const QImage& Image() const { return Drawing; }
};
