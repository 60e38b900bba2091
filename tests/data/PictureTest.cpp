#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include <jpeglib.h>

#include "data/Picture.h"
#include "support/TempFolder.h"

namespace {

constexpr uint32_t Red = 0xFFFF0000;
constexpr uint32_t Green = 0xFF00FF00;
constexpr uint32_t Blue = 0xFF0000FF;
constexpr uint32_t White = 0xFFFFFFFF;
constexpr uint32_t Black = 0xFF000000;
constexpr uint32_t Clear = 0x00FFFFFF; // keeps a pixel's colour, drops its alpha

void Put16(std::vector<uint8_t>& bytes, uint32_t value)
{
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& bytes, uint32_t value)
{
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

void Poke32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A bitmap written field by field the way BMP writers do.
struct TDibFixture {
    TDibFixture(int32_t width, int32_t height, uint16_t bitCount, std::vector<uint32_t> palette,
                std::vector<std::vector<uint8_t>> rows, std::vector<uint32_t> masks = {}, uint32_t headerSize = 40)
        : Width(width), Height(height), BitCount(bitCount), Palette(std::move(palette)), Rows(std::move(rows)),
          Masks(std::move(masks)), HeaderSize(headerSize)
    {
    }

    int32_t Width;
    int32_t Height; // negative: the top row comes first
    uint16_t BitCount;
    std::vector<uint32_t> Palette;          // 0xRRGGBB
    std::vector<std::vector<uint8_t>> Rows; // in file order, unpadded
    std::vector<uint32_t> Masks;            // red, green, blue; written with BI_BITFIELDS
    uint32_t HeaderSize;                    // 12 writes the OS/2 core header
};

// The info header, masks and colour table: everything before the rows.
std::vector<uint8_t> DibHead(const TDibFixture& dib)
{
    std::vector<uint8_t> bytes;
    const bool core = dib.HeaderSize == 12;
    Put32(bytes, dib.HeaderSize);
    if (core) {
        Put16(bytes, static_cast<uint32_t>(dib.Width));
        Put16(bytes, static_cast<uint32_t>(dib.Height));
        Put16(bytes, 1);
        Put16(bytes, dib.BitCount);
    } else {
        Put32(bytes, static_cast<uint32_t>(dib.Width));
        Put32(bytes, static_cast<uint32_t>(dib.Height));
        Put16(bytes, 1);
        Put16(bytes, dib.BitCount);
        Put32(bytes, dib.Masks.empty() ? 0 : 3);
        for (int i = 0; i < 3; ++i) // image size, resolution
            Put32(bytes, 0);
        Put32(bytes, static_cast<uint32_t>(dib.Palette.size()));
        Put32(bytes, 0);
        for (uint32_t mask : dib.Masks)
            Put32(bytes, mask);
        bytes.resize(std::max<size_t>(bytes.size(), dib.HeaderSize));
    }
    for (uint32_t colour : dib.Palette) {
        bytes.push_back(static_cast<uint8_t>(colour));
        bytes.push_back(static_cast<uint8_t>(colour >> 8));
        bytes.push_back(static_cast<uint8_t>(colour >> 16));
        if (!core)
            bytes.push_back(0);
    }
    return bytes;
}

std::vector<uint8_t> DibBytes(const TDibFixture& dib)
{
    std::vector<uint8_t> bytes = DibHead(dib);
    for (const auto& row : dib.Rows) {
        bytes.insert(bytes.end(), row.begin(), row.end());
        bytes.resize(bytes.size() + (4 - row.size() % 4) % 4);
    }
    return bytes;
}

std::vector<uint8_t> BmpBytes(const TDibFixture& dib)
{
    const std::vector<uint8_t> body = DibBytes(dib);
    std::vector<uint8_t> bytes = {'B', 'M'};
    Put32(bytes, static_cast<uint32_t>(14 + body.size()));
    Put32(bytes, 0);
    Put32(bytes, static_cast<uint32_t>(14 + DibHead(dib).size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// An icon file holding the one image.
std::vector<uint8_t> IcoBytes(const std::vector<uint8_t>& image)
{
    std::vector<uint8_t> bytes = {0, 0, 1, 0, 1, 0};
    Put32(bytes, 0); // width, height, colour count, reserved
    Put16(bytes, 1);
    Put16(bytes, 0);
    Put32(bytes, static_cast<uint32_t>(image.size()));
    Put32(bytes, 22);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

// An 8-bit 2 x 2 bitmap whose fields the damage cases overwrite.
const TDibFixture SmallBitmap{2, 2, 8, {0xFF0000, 0x0000FF}, {{0, 1}, {1, 0}}};

std::vector<uint8_t> EncodeJpeg(int width, int height, J_COLOR_SPACE space, int components,
                                const std::vector<uint8_t>& samples, bool progressive = false)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data() + info.next_scanline * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

std::vector<uint8_t> Repeat(const std::vector<uint8_t>& sample, int times)
{
    std::vector<uint8_t> samples;
    for (int i = 0; i < times; ++i)
        samples.insert(samples.end(), sample.begin(), sample.end());
    return samples;
}

// 16 x 32 pixels: the top half one colour, the bottom half another, each filling
// whole blocks so that the two barely bleed into each other.
const std::vector<uint8_t> TopColour = {200, 40, 40};
const std::vector<uint8_t> BottomColour = {40, 40, 200};

std::vector<uint8_t> TwoBandJpeg(bool progressive = false)
{
    std::vector<uint8_t> samples = Repeat(TopColour, 16 * 16);
    const std::vector<uint8_t> bottom = Repeat(BottomColour, 16 * 16);
    samples.insert(samples.end(), bottom.begin(), bottom.end());
    return EncodeJpeg(16, 32, JCS_RGB, 3, samples, progressive);
}

// Where the marker's segment starts, or the size when it is absent.
size_t FindMarker(const std::vector<uint8_t>& bytes, uint8_t marker)
{
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == marker)
            return i;
    return bytes.size();
}

void ExpectColourNear(uint32_t pixel, const std::vector<uint8_t>& rgb, int tolerance)
{
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>(pixel >> 16 & 0xFF), rgb[0], tolerance);
    EXPECT_NEAR(static_cast<int>(pixel >> 8 & 0xFF), rgb[1], tolerance);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), rgb[2], tolerance);
}

std::vector<uint8_t> RandomBytes(std::mt19937& random, size_t count)
{
    std::vector<uint8_t> bytes(count);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

} // namespace

TEST(PictureFormatTest, FileNamesByExactExtension)
{
    const struct {
        const char* Name;
        TPictureFormat Format;
    } cases[] = {
        {".jpg", TPictureFormat::Jpeg},
        {"forest.jpeg", TPictureFormat::Jpeg},
        {"forest.JPG", TPictureFormat::Unknown},
        {"map.bmp", TPictureFormat::Bmp},
        {"Images\\shield.ico", TPictureFormat::Ico},
        {"logo", TPictureFormat::Unknown},
        {"logo.png", TPictureFormat::Unknown},
        {"old.jpg/logo", TPictureFormat::Unknown},
        {"forest.jpg.txt", TPictureFormat::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatOfFileName(c.Name), c.Format) << c.Name;
}

TEST(PictureFormatTest, BytesBySignature)
{
    const struct {
        std::vector<uint8_t> Bytes;
        TPictureFormat Format;
    } cases[] = {
        {{0xFF, 0xD8, 0xFF, 0xE0}, TPictureFormat::Jpeg},
        {{'B', 'M', 0, 0}, TPictureFormat::Bmp},
        {{0, 0, 1, 0, 1, 0}, TPictureFormat::Ico},
        {{0, 0, 2, 0, 1, 0}, TPictureFormat::Unknown}, // a cursor
        {{0, 0, 1}, TPictureFormat::Unknown},
        {{'B'}, TPictureFormat::Unknown},
        {{0x89, 'P', 'N', 'G'}, TPictureFormat::Unknown},
        {{}, TPictureFormat::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatOfBytes(c.Bytes), c.Format) << testing::PrintToString(c.Bytes);
}

TEST(PictureFormatTest, UnknownDetectsByContentAndAGivenFormatIsTrusted)
{
    const std::vector<uint8_t> bmp = BmpBytes(SmallBitmap);
    const std::vector<uint8_t> jpeg = TwoBandJpeg();
    ASSERT_NE(DecodePicture(bmp, TPictureFormat::Unknown), nullptr);
    ASSERT_NE(DecodePicture(jpeg, TPictureFormat::Unknown), nullptr);
    ASSERT_NE(DecodePicture(IcoBytes(DibBytes({1, 2, 24, {}, {{0, 0, 0}, {0}}})), TPictureFormat::Unknown),
              nullptr);
    EXPECT_EQ(DecodePicture(bmp, TPictureFormat::Jpeg), nullptr);
    EXPECT_EQ(DecodePicture(jpeg, TPictureFormat::Bmp), nullptr);
    EXPECT_EQ(DecodePicture({'G', 'I', 'F', '8', '9', 'a'}, TPictureFormat::Unknown), nullptr);
}

TEST(PictureBmpTest, DecodesEveryPixelLayout)
{
    const struct {
        const char* Name;
        TDibFixture Dib;
        std::vector<uint32_t> Expected; // top row first
    } cases[] = {
        {"1-bit, bottom row first", {3, 2, 1, {0xFF0000, 0x0000FF}, {{0xA0}, {0x40}}},
         {Red, Blue, Red, Blue, Red, Blue}},
        {"4-bit, an index past the palette reads black", {3, 1, 4, {0x00FF00, 0xFFFFFF}, {{0x10, 0x70}}},
         {White, Green, Black}},
        {"8-bit, top row first", {2, -2, 8, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {{0, 1}, {2, 3}}},
         {Red, Green, Blue, White}},
        {"24-bit, rows padded to 4 bytes", {2, 2, 24, {}, {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 255, 255, 255}}},
         {Blue, White, Red, Green}},
        {"24-bit, top row first", {1, -2, 24, {}, {{0, 0, 255}, {255, 0, 0}}}, {Red, Blue}},
        {"32-bit, the fourth byte is no alpha", {2, 1, 32, {}, {{0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x7F}}},
         {0xFF302010, 0xFF605040}},
        {"16-bit, 5-5-5", {2, 1, 16, {}, {{0x00, 0x7C, 0x1F, 0x00}}}, {Red, Blue}},
        {"16-bit, 5-6-5 bit fields", {2, 1, 16, {}, {{0xE0, 0x07, 0x00, 0xF8}}, {0xF800, 0x07E0, 0x001F}},
         {Green, Red}},
        {"32-bit bit fields in a V5 header",
         {1, 1, 32, {}, {{0x11, 0x22, 0x33, 0x00}}, {0x0000FF, 0x00FF00, 0xFF0000}, 124},
         {0xFF112233}},
        {"24-bit in a V4 header", {1, 1, 24, {}, {{0x33, 0x22, 0x11}}, {}, 108}, {0xFF112233}},
        {"OS/2 core header, 3-byte colours", {2, 1, 1, {0xFF0000, 0x00FF00}, {{0x40}}, {}, 12}, {Red, Green}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto picture = DecodeBmp(BmpBytes(c.Dib));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width, c.Dib.Width);
        EXPECT_EQ(picture->Height, std::abs(c.Dib.Height));
        EXPECT_EQ(picture->Pixels, c.Expected);
    }
}

TEST(PictureBmpTest, RefusesLyingHeaders)
{
    // Offsets in the file: pixel offset 10, header size 14, width 18, height 22,
    // bit count 28, compression 30, colours used 46.
    const struct {
        const char* Name;
        std::function<void(std::vector<uint8_t>&)> Damage;
    } cases[] = {
        {"size far beyond the bytes present",
         [](auto& b) {
             Poke32(b, 18, 1000);
             Poke32(b, 22, 1000);
         }},
        {"width overflowing 32-bit row sizes", [](auto& b) { Poke32(b, 18, 0x40000001); }},
        {"more pixels than allowed",
         [](auto& b) {
             Poke32(b, 18, 16384);
             Poke32(b, 22, 16384);
         }},
        {"lowest negative height", [](auto& b) { Poke32(b, 22, 0x80000000); }},
        {"zero width", [](auto& b) { Poke32(b, 18, 0); }},
        {"negative width", [](auto& b) { Poke32(b, 18, static_cast<uint32_t>(-2)); }},
        {"zero height", [](auto& b) { Poke32(b, 22, 0); }},
        {"pixel offset beyond the file", [](auto& b) { Poke32(b, 10, 0xFFFFFF00); }},
        {"pixel offset inside the header", [](auto& b) { Poke32(b, 10, 14); }},
        {"colour table longer than the file", [](auto& b) { Poke32(b, 46, 0x40000000); }},
        {"run-length compression", [](auto& b) { Poke32(b, 30, 1); }},
        {"2-bit pixels", [](auto& b) { b[28] = 2; }},
        {"bit fields for 24-bit pixels",
         [](auto& b) {
             b[28] = 24;
             Poke32(b, 30, 3);
         }},
        {"unknown header size", [](auto& b) { Poke32(b, 14, 64); }},
        {"header size beyond the file", [](auto& b) { Poke32(b, 14, 0xFFFFFFFF); }},
        {"no BM signature", [](auto& b) { b[1] = 'N'; }},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = BmpBytes(SmallBitmap);
        c.Damage(bytes);
        EXPECT_EQ(DecodeBmp(bytes), nullptr) << c.Name;
    }
}

// Whole, valid files: only the limits can refuse them. 1-bit keeps them small.
TEST(PictureBmpTest, SizeLimits)
{
    const struct {
        int32_t Width;
        int32_t Height;
        bool Allowed;
    } cases[] = {
        {16384, 1, true}, {16385, 1, false}, {1, -16385, false}, {16384, 976, true}, {16384, 977, false},
    };
    for (const auto& c : cases) {
        const TDibFixture dib(c.Width, c.Height, 1, {0xFFFFFF, 0},
                              std::vector<std::vector<uint8_t>>(static_cast<size_t>(std::abs(c.Height)),
                                                                std::vector<uint8_t>((c.Width + 7) / 8)));
        EXPECT_EQ(DecodeBmp(BmpBytes(dib)) != nullptr, c.Allowed) << c.Width << " x " << c.Height;
    }
}

TEST(PictureIcoTest, MaskAndAlphaMakeTransparency)
{
    // 4-bit: the pixels follow the four-colour table; the AND mask follows the pixels.
    const auto masked = DecodeIco(IcoBytes(
        DibBytes({2, 4, 4, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {{0x01}, {0x23}, {0x40}, {0x80}}})));
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(masked->Width, 2);
    EXPECT_EQ(masked->Height, 2);
    EXPECT_EQ(masked->Pixels, (std::vector<uint32_t>{Blue & Clear, White, Red, Green & Clear}));

    // 32-bit: alpha as stored, the mask ignored.
    const auto blended =
        DecodeIco(IcoBytes(DibBytes({1, 4, 32, {}, {{0, 0, 255, 0xFF}, {255, 0, 0, 0x80}, {0x80}, {0x80}}})));
    ASSERT_NE(blended, nullptr);
    EXPECT_EQ(blended->Pixels, (std::vector<uint32_t>{0x800000FF, 0xFFFF0000}));

    // 32-bit with no alpha at all: the mask decides.
    const auto old = DecodeIco(IcoBytes(DibBytes({1, 4, 32, {}, {{0, 0, 255, 0}, {255, 0, 0, 0}, {0x80}, {0}}})));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->Pixels, (std::vector<uint32_t>{Blue, Red & Clear}));
}

TEST(PictureIcoTest, RefusesWhatItCannotRead)
{
    const std::vector<uint8_t> image = DibBytes({1, 2, 24, {}, {{0, 0, 255}, {0}}});
    const struct {
        const char* Name;
        std::function<void(std::vector<uint8_t>&)> Damage;
    } cases[] = {
        {"an image stored as PNG",
         [](auto& b) {
             const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
             std::copy(std::begin(png), std::end(png), b.begin() + 22);
         }},
        {"image offset beyond the file", [](auto& b) { Poke32(b, 18, 0xFFFFFFF0); }},
        {"image size beyond the file", [](auto& b) { Poke32(b, 14, 0xFFFFFFF0); }},
        {"a cursor", [](auto& b) { b[2] = 2; }},
        {"no images", [](auto& b) { b[4] = 0; }},
        {"image too high for its bytes", [](auto& b) { Poke32(b, 22 + 8, 200); }},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = IcoBytes(image);
        c.Damage(bytes);
        EXPECT_EQ(DecodeIco(bytes), nullptr) << c.Name;
    }
}

TEST(PictureJpegTest, DecodesTopRowFirstAsOpaqueRgb)
{
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const auto picture = DecodeJpeg(TwoBandJpeg(progressive));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width, 16);
        EXPECT_EQ(picture->Height, 32);
        ASSERT_EQ(picture->Pixels.size(), 16u * 32u);
        ExpectColourNear(picture->Pixels.front(), TopColour, 10);
        ExpectColourNear(picture->Pixels.back(), BottomColour, 10);
    }
}

TEST(PictureJpegTest, GrayscaleAndCmykBecomeRgb)
{
    const auto gray = DecodeJpeg(EncodeJpeg(8, 8, JCS_GRAYSCALE, 1, Repeat({100}, 64)));
    ASSERT_NE(gray, nullptr);
    ExpectColourNear(gray->Pixels[27], {100, 100, 100}, 3);

    // libjpeg marks CMYK as Adobe's, which stores 255 - ink: this is pure red.
    const auto cmyk = DecodeJpeg(EncodeJpeg(8, 8, JCS_CMYK, 4, Repeat({255, 0, 0, 255}, 64)));
    ASSERT_NE(cmyk, nullptr);
    ExpectColourNear(cmyk->Pixels[27], {255, 0, 0}, 10);
}

TEST(PictureJpegTest, RefusesWiderThanAllowed)
{
    EXPECT_NE(DecodeJpeg(EncodeJpeg(16384, 8, JCS_GRAYSCALE, 1, Repeat({0}, 16384 * 8))), nullptr);
    EXPECT_EQ(DecodeJpeg(EncodeJpeg(16385, 8, JCS_GRAYSCALE, 1, Repeat({0}, 16385 * 8))), nullptr);
}

TEST(PictureJpegTest, RefusesDamagedFiles)
{
    const std::vector<uint8_t> valid = TwoBandJpeg();
    const size_t frame = FindMarker(valid, 0xC0);
    const size_t scan = FindMarker(valid, 0xDA);
    ASSERT_LT(frame, valid.size());
    ASSERT_LT(scan, valid.size());
    std::mt19937 random(7);
    const struct {
        const char* Name;
        std::function<void(std::vector<uint8_t>&)> Damage;
    } cases[] = {
        {"garbage after the scan header",
         [&](auto& b) {
             b.resize(scan + 2 + (b[scan + 2] << 8 | b[scan + 3]));
             const std::vector<uint8_t> garbage = RandomBytes(random, 200);
             b.insert(b.end(), garbage.begin(), garbage.end());
         }},
        {"garbage after the start marker",
         [&](auto& b) {
             b.resize(2);
             const std::vector<uint8_t> garbage = RandomBytes(random, 200);
             b.insert(b.end(), garbage.begin(), garbage.end());
         }},
        {"frame of no rows", [&](auto& b) { b[frame + 5] = b[frame + 6] = 0; }},
        {"only the start marker", [](auto& b) { b.resize(2); }},
        {"no bytes", [](auto& b) { b.clear(); }},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = valid;
        c.Damage(bytes);
        EXPECT_EQ(DecodeJpeg(bytes), nullptr) << c.Name;
    }
}

TEST(PictureDamageTest, EveryTruncationIsRefused)
{
    const struct {
        const char* Name;
        std::vector<uint8_t> Bytes;
    } files[] = {
        {"bmp", BmpBytes(SmallBitmap)},
        {"ico", IcoBytes(DibBytes({1, 2, 24, {}, {{0, 0, 255}, {0}}}))},
        {"jpeg", TwoBandJpeg()},
    };
    for (const auto& file : files) {
        ASSERT_NE(DecodePicture(file.Bytes, TPictureFormat::Unknown), nullptr) << file.Name;
        for (size_t size = 0; size < file.Bytes.size(); ++size) {
            // An exact-size copy, so that the sanitizer sees any read past its end.
            const std::vector<uint8_t> cut(file.Bytes.begin(), file.Bytes.begin() + static_cast<ptrdiff_t>(size));
            ASSERT_EQ(DecodePicture(cut, TPictureFormat::Unknown), nullptr) << file.Name << " cut to " << size;
        }
    }
}

TEST(PictureDamageTest, RandomBytesAreRefused)
{
    std::mt19937 random(42);
    const std::vector<uint8_t> signatures[] = {{}, {0xFF, 0xD8}, {'B', 'M'}, {0, 0, 1, 0}};
    for (int round = 0; round < 200; ++round)
        for (const auto& signature : signatures) {
            std::vector<uint8_t> bytes = signature;
            const std::vector<uint8_t> tail = RandomBytes(random, random() % 300);
            bytes.insert(bytes.end(), tail.begin(), tail.end());
            for (TPictureFormat format :
                 {TPictureFormat::Unknown, TPictureFormat::Jpeg, TPictureFormat::Bmp, TPictureFormat::Ico})
                ASSERT_EQ(DecodePicture(bytes, format), nullptr) << "round " << round;
        }
}

// Damaged pixel bytes may still make a picture; the decoder must only never read
// or write out of bounds, which the sanitizer build checks.
TEST(PictureDamageTest, FlippedBytesNeverBreakTheDecoders)
{
    std::mt19937 random(1);
    const std::vector<uint8_t> files[] = {
        BmpBytes(SmallBitmap),
        BmpBytes({3, 2, 16, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {0xF800, 0x07E0, 0x001F}, 124}),
        IcoBytes(DibBytes({2, 4, 4, {0xFF0000, 0x00FF00}, {{0x01}, {0x10}, {0x40}, {0x80}}})),
        TwoBandJpeg(),
        TwoBandJpeg(true),
    };
    for (const auto& file : files)
        for (int round = 0; round < 500; ++round) {
            std::vector<uint8_t> bytes = file;
            for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
                bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
            const auto picture = DecodePicture(bytes, TPictureFormat::Unknown);
            if (picture) {
                ASSERT_EQ(picture->Pixels.size(), static_cast<size_t>(picture->Width) * picture->Height);
            }
        }
}

TEST(PictureFileTest, LoadsByContentWhateverTheName)
{
    TTempFolder folder;
    const std::string path = folder / "map.jpg";
    const std::vector<uint8_t> bytes = BmpBytes(SmallBitmap);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    const auto picture = LoadPictureFile(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Pixels, (std::vector<uint32_t>{Blue, Red, Red, Blue}));

    EXPECT_EQ(LoadPictureFile(folder / "missing.bmp"), nullptr);
    EXPECT_EQ(LoadPictureFile(folder.Path), nullptr);
}
