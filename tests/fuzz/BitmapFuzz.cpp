// BMP files and icons from an adventure's Images folder: whatever the bytes, a
// picture is either refused or whole, and bytes after the bitmap change nothing.
#include <cstdint>
#include <vector>

#include "PictureChecks.h"

namespace {

void CheckSame(const TPicture& picture, const std::shared_ptr<const TPicture>& other, const char* what)
{
    FUZZ_CHECK(other && other->Width == picture.Width && other->Height == picture.Height &&
                   other->Pixels == picture.Pixels,
               what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    const auto bitmap = DecodeBmp(bytes);
    const auto icon = DecodeIco(bytes);
    FUZZ_CHECK(!(bitmap && icon), "the same bytes decoded as a bitmap and as an icon");
    if (bitmap) {
        CheckPicture(*bitmap);
        for (uint32_t pixel : bitmap->Pixels)
            FUZZ_CHECK(pixel >> 24 == 0xFF, "a bitmap pixel is not opaque");
        CheckSame(*bitmap, DecodePicture(bytes, TPictureFormat::Unknown), "detection by content disagrees");
    }
    if (icon) {
        CheckPicture(*icon);
        CheckSame(*icon, DecodePicture(bytes, TPictureFormat::Unknown), "detection by content disagrees");
    }
    const auto decoded = bitmap ? bitmap : icon;
    if (decoded) {
        bytes.insert(bytes.end(), 64, 0xA5);
        CheckSame(*decoded, bitmap ? DecodeBmp(bytes) : DecodeIco(bytes), "trailing bytes changed the picture");
    }
    return 0;
}
