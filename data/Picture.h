// Pictures as the engine and the hosts share them, and the decoders that make them
// from an adventure's JPEG, BMP and ICO files. A decoder given damaged or lying
// bytes returns nullptr; it never reads past the bytes it was given.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels; // row-major, top row first, each 0xAARRGGBB
};

enum class TPictureFormat { Unknown, Jpeg, Bmp, Ico };

// Pictures larger than this are refused before anything is allocated for them.
constexpr int MaxPictureSide = 16384;
constexpr int64_t MaxPicturePixels = 16'000'000;
bool PictureSizeAllowed(int64_t width, int64_t height);

// By extension, exactly as written: ".jpg" and ".jpeg", ".bmp", ".ico".
TPictureFormat FormatOfFileName(const std::string& fileName);
// By the signature the bytes start with.
TPictureFormat FormatOfBytes(const std::vector<uint8_t>& bytes);

// Unknown detects the format by content.
std::shared_ptr<const TPicture> DecodePicture(const std::vector<uint8_t>& bytes, TPictureFormat format);
std::shared_ptr<const TPicture> DecodeJpeg(const std::vector<uint8_t>& bytes);
std::shared_ptr<const TPicture> DecodeBmp(const std::vector<uint8_t>& bytes);
// The icon's first image, when it is a bitmap; one stored as PNG gives nullptr.
std::shared_ptr<const TPicture> DecodeIco(const std::vector<uint8_t>& bytes);

// Reads the file and decodes it by content; nullptr when it is missing or unreadable.
std::shared_ptr<const TPicture> LoadPictureFile(const std::string& path);
