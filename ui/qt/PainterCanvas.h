// A canvas drawing through a painter that is already open, on a widget or an
// image: measures text in real fonts and draws the journal pages and the maps.
#pragma once

#include <QPainter>

#include "platform/Canvas.h"

class TPainterCanvas : public ICanvas {
public:
    explicit TPainterCanvas(QPainter& painter);

    void SetFont(const TFont& font) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(const TRect& rect, TColor color) override;
    void FrameRect(const TRect& rect, TColor color) override;
    void Line(int x1, int y1, int x2, int y2, TColor color, int width) override;
    void TextOut(int x, int y, const std::string& text) override;
    void DrawPicture(int x, int y, const TPicture& picture) override;

private:
    QPainter& Painter;
    TColor TextColor = clBlack;
};
