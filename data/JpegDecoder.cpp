// JPEG pictures through libjpeg, decoded from memory. libjpeg reports a fatal error
// by calling error_exit, which must not return: ours jumps back to ReadJpeg, which
// destroys the decompressor. Only libjpeg's C frames lie between the two, so the jump
// skips no destructor.
#include "data/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace {

// Each progressive scan passes over the whole picture, so a small file with many
// scans could keep the decoder busy for minutes. Real files have about ten.
constexpr int MaxScans = 500;

struct TJpegErrors {
    jpeg_error_mgr Manager; // first, so that libjpeg's err pointer is ours too
    std::jmp_buf Jump;
};

[[noreturn]] void Fail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->Jump, 1);
}

// Warnings mean damaged data: a truncated file, bad entropy codes, stray bytes.
// libjpeg would go on and fill in grey; we refuse the picture. Trace messages are
// dropped.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        Fail(info);
}

void OutputMessage(j_common_ptr) {}

void LimitScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans)
        Fail(info);
}

uint32_t Opaque(unsigned red, unsigned green, unsigned blue)
{
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// Adobe's encoders store CMYK inverted, as 255 - ink, and say so with their marker.
uint32_t FromCmyk(const JSAMPLE* sample, bool inverted)
{
    unsigned c = sample[0], m = sample[1], y = sample[2], k = sample[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return Opaque(c * k / 255, m * k / 255, y * k / 255);
}

void ReadRows(jpeg_decompress_struct& info, TPicture& picture)
{
    const bool cmyk = info.out_color_space == JCS_CMYK;
    const unsigned components = static_cast<unsigned>(info.output_components);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * components, 1);
    uint32_t* pixel = picture.Pixels.data();
    while (info.output_scanline < info.output_height) {
        jpeg_read_scanlines(&info, row, 1);
        for (const JSAMPLE* sample = row[0]; sample != row[0] + info.output_width * components;
             sample += components)
            *pixel++ = cmyk ? FromCmyk(sample, info.saw_Adobe_marker) : Opaque(sample[0], sample[1], sample[2]);
    }
}

bool ReadJpeg(const std::vector<uint8_t>& bytes, TPicture& picture)
{
    jpeg_decompress_struct info{};
    TJpegErrors errors;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = Fail;
    errors.Manager.emit_message = EmitMessage;
    errors.Manager.output_message = OutputMessage;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = LimitScans;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    jpeg_read_header(&info, TRUE);
    if (!PictureSizeAllowed(info.image_width, info.image_height))
        Fail(reinterpret_cast<j_common_ptr>(&info));
    // libjpeg turns grayscale and YCbCr into RGB but not CMYK; that we convert.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    picture.Width = static_cast<int>(info.output_width);
    picture.Height = static_cast<int>(info.output_height);
    try {
        picture.Pixels.resize(static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height));
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    ReadRows(info, picture);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::shared_ptr<const TPicture> DecodeJpeg(const std::vector<uint8_t>& bytes)
{
    auto picture = std::make_shared<TPicture>();
    if (!ReadJpeg(bytes, *picture))
        return nullptr;
    return picture;
}
