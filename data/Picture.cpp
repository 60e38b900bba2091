#include "data/Picture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Even an uncompressed 32-bit bitmap of the largest allowed size stays well below
// this; a bigger file is not read into memory.
constexpr uintmax_t MaxPictureFileSize = 256u << 20;

bool StartsWith(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> signature)
{
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

} // namespace

bool PictureSizeAllowed(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

TPictureFormat FormatOfFileName(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    const size_t folder = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (folder != std::string::npos && folder > dot))
        return TPictureFormat::Unknown;
    const std::string extension = fileName.substr(dot);
    if (extension == ".jpg" || extension == ".jpeg")
        return TPictureFormat::Jpeg;
    if (extension == ".bmp")
        return TPictureFormat::Bmp;
    if (extension == ".ico")
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
}

TPictureFormat FormatOfBytes(const std::vector<uint8_t>& bytes)
{
    if (StartsWith(bytes, {0xFF, 0xD8}))
        return TPictureFormat::Jpeg;
    if (StartsWith(bytes, {'B', 'M'}))
        return TPictureFormat::Bmp;
    if (StartsWith(bytes, {0x00, 0x00, 0x01, 0x00}))
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
}

std::shared_ptr<const TPicture> DecodePicture(const std::vector<uint8_t>& bytes, TPictureFormat format)
{
    switch (format == TPictureFormat::Unknown ? FormatOfBytes(bytes) : format) {
    case TPictureFormat::Jpeg:
        return DecodeJpeg(bytes);
    case TPictureFormat::Bmp:
        return DecodeBmp(bytes);
    case TPictureFormat::Ico:
        return DecodeIco(bytes);
    case TPictureFormat::Unknown:
        break;
    }
    return nullptr;
}

std::shared_ptr<const TPicture> LoadPictureFile(const std::string& path)
{
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    if (error || size > MaxPictureFileSize)
        return nullptr;
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return nullptr;
    return DecodePicture(bytes, TPictureFormat::Unknown);
}
