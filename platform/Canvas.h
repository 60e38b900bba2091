// A drawing surface the host provides: text measuring for line wrapping, and the
// few drawing operations of the journal pages and the maps.
#pragma once

#include <string>

#include "platform/Font.h"

struct TPicture;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

class ICanvas {
public:
    virtual ~ICanvas() = default;

    // Measuring and text drawing use the font set last.
    virtual void SetFont(const TFont& font) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    virtual void FillRect(const TRect& rect, TColor color) = 0;
    virtual void FrameRect(const TRect& rect, TColor color) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, TColor color, int width) = 0;
    // Draws with a transparent background at the text's top-left corner.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // The picture with its top-left corner at x, y.
    virtual void DrawPicture(int x, int y, const TPicture& picture) = 0;
};
