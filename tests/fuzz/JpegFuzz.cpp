// JPEG pictures through libjpeg: damaged data is refused, never half-decoded, and
// decoding the same bytes twice gives the same picture.
#include <cstdint>
#include <vector>

#include "PictureChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    const auto picture = DecodeJpeg(bytes);
    if (!picture)
        return 0;
    CheckPicture(*picture);
    for (uint32_t pixel : picture->Pixels)
        FUZZ_CHECK(pixel >> 24 == 0xFF, "a JPEG pixel is not opaque");
    const auto again = DecodePicture(bytes, TPictureFormat::Jpeg);
    FUZZ_CHECK(again && again->Pixels == picture->Pixels, "a second decode differs");
    return 0;
}
