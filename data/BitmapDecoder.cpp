// BMP files and the images inside icons. Both hold a device-independent bitmap: an
// info header, a colour table and rows of pixels padded to 4 bytes, the bottom row
// first unless the height is negative. Every size the file states is checked against
// the bytes present before anything is read or allocated.
#include "data/Picture.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <span>

namespace {

using TBytes = std::span<const uint8_t>;

constexpr size_t FileHeaderSize = 14;
constexpr size_t CoreHeaderSize = 12; // OS/2's: 16-bit sizes, 3-byte colours
constexpr size_t InfoHeaderSizes[] = {40, 52, 56, 108, 124};
// The red, green and blue masks: inside the header from the 52-byte one on, right
// after it for the 40-byte one.
constexpr size_t MasksOffset = 40;
constexpr size_t MasksEnd = MasksOffset + 12;
constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitfields = 3;

constexpr size_t IconHeaderSize = 6;
constexpr size_t IconEntrySize = 16;

uint32_t Le16(const uint8_t* at)
{
    return at[0] | at[1] << 8;
}

uint32_t Le32(const uint8_t* at)
{
    return Le16(at) | Le16(at + 2) << 16;
}

bool Fits(TBytes bytes, uint64_t offset, uint64_t length)
{
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

uint32_t Opaque(unsigned red, unsigned green, unsigned blue)
{
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

struct TChannelMasks {
    uint32_t Red = 0;
    uint32_t Green = 0;
    uint32_t Blue = 0;
};

unsigned Channel(uint32_t value, uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    return static_cast<unsigned>(uint64_t{(value & mask) >> shift} * 255 / (mask >> shift));
}

uint32_t FromMasks(uint32_t value, const TChannelMasks& masks)
{
    return Opaque(Channel(value, masks.Red), Channel(value, masks.Green), Channel(value, masks.Blue));
}

struct TDibHeader {
    int64_t Width = 0;
    int64_t Height = 0; // rows, counted without their order
    bool TopDown = false;
    unsigned BitCount = 0;
    TChannelMasks Masks; // for 16 and 32 bits
    size_t TableOffset = 0;
    uint64_t TableEntries = 0; // as stored, whatever the bit count
    size_t EntrySize = 4;
};

std::optional<TDibHeader> ReadHeader(TBytes dib)
{
    if (dib.size() < 4)
        return std::nullopt;
    const size_t size = Le32(dib.data());
    if (size > dib.size())
        return std::nullopt;
    TDibHeader header;
    uint32_t compression = BiRgb;
    uint32_t coloursUsed = 0;
    if (size == CoreHeaderSize) {
        header.Width = Le16(dib.data() + 4);
        header.Height = Le16(dib.data() + 6);
        header.BitCount = Le16(dib.data() + 10);
        header.EntrySize = 3;
    } else if (std::ranges::find(InfoHeaderSizes, size) != std::end(InfoHeaderSizes)) {
        header.Width = static_cast<int32_t>(Le32(dib.data() + 4));
        const int64_t height = static_cast<int32_t>(Le32(dib.data() + 8));
        header.Height = height < 0 ? -height : height;
        header.TopDown = height < 0;
        header.BitCount = Le16(dib.data() + 14);
        compression = Le32(dib.data() + 16);
        coloursUsed = Le32(dib.data() + 32);
    } else {
        return std::nullopt;
    }
    header.TableOffset = size;
    header.TableEntries = coloursUsed;
    switch (header.BitCount) {
    case 1:
    case 4:
    case 8:
        if (compression != BiRgb)
            return std::nullopt;
        if (coloursUsed == 0)
            header.TableEntries = uint64_t{1} << header.BitCount;
        return header;
    case 24:
        if (compression != BiRgb)
            return std::nullopt;
        return header;
    case 16:
    case 32:
        if (compression == BiBitfields) {
            if (dib.size() < MasksEnd)
                return std::nullopt;
            header.Masks = {Le32(dib.data() + MasksOffset), Le32(dib.data() + MasksOffset + 4),
                            Le32(dib.data() + MasksOffset + 8)};
            header.TableOffset = std::max(size, MasksEnd);
        } else if (compression == BiRgb) {
            header.Masks = header.BitCount == 16 ? TChannelMasks{0x7C00, 0x03E0, 0x001F}
                                                 : TChannelMasks{0xFF0000, 0x00FF00, 0x0000FF};
        } else {
            return std::nullopt;
        }
        return header;
    default:
        return std::nullopt;
    }
}

// Indexes past the stored colours read as black.
std::optional<std::vector<uint32_t>> ReadPalette(TBytes dib, const TDibHeader& header)
{
    if (header.BitCount > 8)
        return std::vector<uint32_t>();
    const size_t size = size_t{1} << header.BitCount;
    const size_t stored = static_cast<size_t>(std::min<uint64_t>(header.TableEntries, size));
    if (!Fits(dib, header.TableOffset, stored * header.EntrySize))
        return std::nullopt;
    std::vector<uint32_t> palette(size, Opaque(0, 0, 0));
    for (size_t i = 0; i < stored; ++i) {
        const uint8_t* entry = dib.data() + header.TableOffset + i * header.EntrySize;
        palette[i] = Opaque(entry[2], entry[1], entry[0]);
    }
    return palette;
}

struct TRows {
    const uint8_t* First; // as stored, which is the bottom row unless top-down
    uint64_t Stride;
    int64_t Count;
    bool TopDown;

    const uint8_t* Row(int64_t y) const { return First + Stride * static_cast<uint64_t>(TopDown ? y : Count - 1 - y); }
};

// Rows of bitCount bits a pixel at offset; the header's size must be allowed.
std::optional<TRows> LocateRows(TBytes dib, const TDibHeader& header, uint64_t offset, unsigned bitCount)
{
    const uint64_t stride = (static_cast<uint64_t>(header.Width) * bitCount + 31) / 32 * 4;
    if (!Fits(dib, offset, stride * static_cast<uint64_t>(header.Height)))
        return std::nullopt;
    return TRows{dib.data() + offset, stride, header.Height, header.TopDown};
}

unsigned BitAt(const uint8_t* row, int64_t x)
{
    return row[x / 8] >> (7 - x % 8) & 1;
}

uint32_t ColourAt(const uint8_t* row, int64_t x, const TDibHeader& header, const std::vector<uint32_t>& palette)
{
    switch (header.BitCount) {
    case 1:
        return palette[BitAt(row, x)];
    case 4:
        return palette[row[x / 2] >> (x % 2 ? 0 : 4) & 0x0F];
    case 8:
        return palette[row[x]];
    case 16:
        return FromMasks(Le16(row + 2 * x), header.Masks);
    case 24:
        return Opaque(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
        return FromMasks(Le32(row + 4 * x), header.Masks);
    }
}

std::shared_ptr<TPicture> ReadBitmap(TBytes dib, const TDibHeader& header, uint64_t pixelOffset)
{
    if (!PictureSizeAllowed(header.Width, header.Height))
        return nullptr;
    const auto palette = ReadPalette(dib, header);
    const auto rows = LocateRows(dib, header, pixelOffset, header.BitCount);
    if (!palette || !rows)
        return nullptr;
    auto picture = std::make_shared<TPicture>();
    picture->Width = static_cast<int>(header.Width);
    picture->Height = static_cast<int>(header.Height);
    picture->Pixels.resize(static_cast<size_t>(header.Width * header.Height));
    uint32_t* pixel = picture->Pixels.data();
    for (int64_t y = 0; y < header.Height; ++y)
        for (int64_t x = 0; x < header.Width; ++x)
            *pixel++ = ColourAt(rows->Row(y), x, header, *palette);
    return picture;
}

// The alpha bytes of a 32-bit icon image; false when all are zero, as in icons
// made before alpha, which rely on their mask.
bool CopyAlpha(const TRows& rows, TPicture& picture)
{
    bool any = false;
    uint32_t* pixel = picture.Pixels.data();
    for (int64_t y = 0; y < picture.Height; ++y)
        for (int64_t x = 0; x < picture.Width; ++x, ++pixel) {
            const uint32_t alpha = rows.Row(y)[4 * x + 3];
            *pixel = (*pixel & 0x00FFFFFFu) | alpha << 24;
            any = any || alpha != 0;
        }
    return any;
}

// The AND mask follows the colour rows: a set bit is a transparent pixel. An icon
// cut off inside its mask is shown opaque.
void ApplyMask(const std::optional<TRows>& mask, TPicture& picture)
{
    uint32_t* pixel = picture.Pixels.data();
    for (int64_t y = 0; y < picture.Height; ++y)
        for (int64_t x = 0; x < picture.Width; ++x, ++pixel) {
            const bool clear = mask && BitAt(mask->Row(y), x);
            *pixel = (*pixel & 0x00FFFFFFu) | (clear ? 0 : 0xFF000000u);
        }
}

} // namespace

std::shared_ptr<const TPicture> DecodeBmp(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < FileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return nullptr;
    const TBytes dib = TBytes(bytes).subspan(FileHeaderSize);
    const auto header = ReadHeader(dib);
    const uint64_t pixelOffset = Le32(bytes.data() + 10);
    if (!header || pixelOffset < FileHeaderSize + header->TableOffset)
        return nullptr;
    return ReadBitmap(dib, *header, pixelOffset - FileHeaderSize);
}

std::shared_ptr<const TPicture> DecodeIco(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < IconHeaderSize + IconEntrySize || Le16(bytes.data()) != 0 || Le16(bytes.data() + 2) != 1 ||
        Le16(bytes.data() + 4) == 0)
        return nullptr;
    const uint8_t* entry = bytes.data() + IconHeaderSize;
    const uint64_t size = Le32(entry + 8);
    const uint64_t offset = Le32(entry + 12);
    if (!Fits(bytes, offset, size))
        return nullptr;
    // An image stored as PNG has no info header and is refused here.
    const TBytes dib = TBytes(bytes).subspan(static_cast<size_t>(offset), static_cast<size_t>(size));
    auto header = ReadHeader(dib);
    if (!header)
        return nullptr;
    // The stated height counts the mask's rows too; the pixels follow the colour table.
    header->Height /= 2;
    const uint64_t pixelOffset = header->TableOffset + header->TableEntries * header->EntrySize;
    auto picture = ReadBitmap(dib, *header, pixelOffset);
    if (!picture)
        return nullptr;
    // ReadBitmap found these rows in place.
    const auto colours = LocateRows(dib, *header, pixelOffset, header->BitCount);
    if (header->BitCount == 32 && CopyAlpha(*colours, *picture))
        return picture;
    ApplyMask(LocateRows(dib, *header, pixelOffset + colours->Stride * static_cast<uint64_t>(header->Height), 1),
              *picture);
    return picture;
}
