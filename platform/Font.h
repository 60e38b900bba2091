// Text attributes: what a run of the output pane carries and what a canvas draws with.
#pragma once

#include <cstdint>
#include <string>

// 0xRRGGBB.
using TColor = uint32_t;

constexpr TColor RgbColor(uint8_t red, uint8_t green, uint8_t blue)
{
    return (TColor(red) << 16) | (TColor(green) << 8) | TColor(blue);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0xFF0000;
constexpr TColor clBlue = 0x0000FF;

struct TFont {
    std::string Name = "Arial";
    int Size = 9;
    TColor Color = clWhite;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TFont&) const = default;
};
