// The bytes of a 24-bit BMP file, for tests that lay pictures into an adventure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels 0xRRGGBB, row by row from the top.
inline std::string BitmapBytes(int width, int height, const std::vector<uint32_t>& pixels)
{
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::string bytes = "BM";
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&](uint16_t v) {
        bytes += static_cast<char>(v);
        bytes += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + rowBytes * height);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(24);
    for (int i = 0; i < 6; ++i)
        put32(0);
    // Stored bottom row first, each pixel blue, green, red.
    for (int row = height - 1; row >= 0; --row) {
        for (int column = 0; column < width; ++column) {
            const uint32_t pixel = pixels[static_cast<size_t>(row) * width + column];
            bytes += static_cast<char>(pixel);
            bytes += static_cast<char>(pixel >> 8);
            bytes += static_cast<char>(pixel >> 16);
        }
        bytes += std::string(rowBytes - width * 3, '\0');
    }
    return bytes;
}
