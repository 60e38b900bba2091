// A canvas with fixed character widths (Wide characters WideWidth each) that keeps
// the texts drawn on it: the measuring surface of hosts without pixels, and of tests.
#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

class TFixedCanvas : public ICanvas {
public:
    explicit TFixedCanvas(int charWidth = 7) : CharWidth(charWidth) {}

    void SetFont(const TFont& font) override { Font = font; }
    int TextWidth(const std::string& text) override
    {
        int width = 0;
        for (char c : text)
            width += Wide.find(c) != std::string::npos ? WideWidth : CharWidth;
        return width;
    }
    int TextHeight(const std::string&) override { return LineHeight; }
    void FillRect(const TRect&, TColor) override {}
    void FrameRect(const TRect&, TColor) override {}
    void Line(int, int, int, int, TColor, int) override {}
    void TextOut(int, int, const std::string& text) override { Drawn.push_back(text); }
    void DrawPicture(int, int, const TPicture&) override { Drawn.push_back("<picture>"); }

    int CharWidth;
    int LineHeight = 12;
    std::string Wide;
    int WideWidth = 30;
    TFont Font;
    std::vector<std::string> Drawn;
};
