// A canvas on an image: measures text in real fonts and draws the journal pages
// and the maps.
#pragma once

#include <QImage>
#include <QPainter>

#include "platform/Canvas.h"

class TQtCanvas : public ICanvas {
public:
    TQtCanvas(int width, int height);

    void SetFont(const TFont& font) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(const TRect& rect, TColor color) override;
    void FrameRect(const TRect& rect, TColor color) override;
    void Line(int x1, int y1, int x2, int y2, TColor color, int width) override;
    void TextOut(int x, int y, const std::string& text) override;
    void DrawPicture(int x, int y, const TPicture& picture) override;

    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
    // Declared after the image it paints on, so it ends first.
    QPainter Painter;
    TColor TextColor = clBlack;
};
