#include "ui/qt/QtCanvas.h"

#include <algorithm>

QtCanvasDetail::TSurface::TSurface(int width, int height)
    : Drawing(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied), Painter(&Drawing)
{
    Drawing.fill(Qt::white);
}

TQtCanvas::TQtCanvas(int width, int height) : TSurface(width, height), TPainterCanvas(TSurface::Painter) {}
