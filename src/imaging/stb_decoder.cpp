#include "imaging/stb_decoder.h"

#include "imaging/picture_error.h"

#include <climits>
#include <cstring>
#include <string>

// stb_image is compiled here with only the formats no other library of the
// program reads, and without file access of its own.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_ONLY_PSD
#define STBI_ONLY_PIC
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS (1 << 20)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace quiltara::imaging {
namespace {

const char* nameOf(PictureFormat format)
{
    return pictureFormatName(format);
}

bool fitsInt(std::size_t size)
{
    return size <= static_cast<std::size_t>(INT_MAX);
}

// The same test stb_image makes, for the one format asked about.
bool infoOf(std::span<const std::uint8_t> file, PictureFormat format, int& width, int& height, int& channels)
{
    if (!fitsInt(file.size()))
        return false;
    stbi__context context;
    stbi__start_mem(&context, file.data(), static_cast<int>(file.size()));
    switch (format) {
    case PictureFormat::Tga:
        return stbi__tga_info(&context, &width, &height, &channels) != 0;
    case PictureFormat::Psd:
        return stbi__psd_info(&context, &width, &height, &channels) != 0;
    case PictureFormat::Pic:
        return stbi__pic_info(&context, &width, &height, &channels) != 0;
    default:
        return false;
    }
}

} // namespace

bool looksLikePsd(std::span<const std::uint8_t> file)
{
    return file.size() >= 4 && std::memcmp(file.data(), "8BPS", 4) == 0;
}

bool looksLikeSoftimagePic(std::span<const std::uint8_t> file)
{
    static constexpr std::uint8_t kMagic[4] = {0x53, 0x80, 0xF6, 0x34};
    return file.size() >= 92 && std::memcmp(file.data(), kMagic, 4) == 0 &&
           std::memcmp(file.data() + 88, "PICT", 4) == 0;
}

bool looksLikeTga(std::span<const std::uint8_t> file)
{
    int width = 0, height = 0, channels = 0;
    return infoOf(file, PictureFormat::Tga, width, height, channels);
}

StoredPicture readStbHeader(std::span<const std::uint8_t> file, PictureFormat format, std::uint64_t maxPixels)
{
    int width = 0, height = 0, channels = 0;
    if (!infoOf(file, format, width, height, channels))
        throw PictureError(PictureFault::WrongFormat, std::string(nameOf(format)) +
                                                          " error: not a readable " + nameOf(format) +
                                                          " file");
    checkPictureSize({width, height}, maxPixels, nameOf(format));
    return {format, {width, height}, 1, channels == 2 || channels == 4};
}

StoredPicture decodeStb(std::span<const std::uint8_t> file, PictureFormat format, std::uint64_t maxPixels,
                        Bitmap& raw)
{
    // The size is checked before stb_image allocates anything for it.
    const StoredPicture picture = readStbHeader(file, format, maxPixels);
    stbi__context context;
    stbi__start_mem(&context, file.data(), static_cast<int>(file.size()));
    stbi__result_info info{};
    int width = 0, height = 0, channels = 0;
    void* pixels = nullptr;
    switch (format) {
    case PictureFormat::Tga:
        pixels = stbi__tga_load(&context, &width, &height, &channels, 4, &info);
        break;
    case PictureFormat::Psd:
        pixels = stbi__psd_load(&context, &width, &height, &channels, 4, &info, 8);
        break;
    case PictureFormat::Pic:
        pixels = stbi__pic_load(&context, &width, &height, &channels, 4, &info);
        break;
    default:
        break;
    }
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        throw PictureError(PictureFault::Corrupt, std::string(nameOf(format)) + " error: " +
                                                      (reason ? reason : "cannot read the picture"));
    }
    if (width != picture.size.width || height != picture.size.height) {
        stbi_image_free(pixels);
        throw PictureError(PictureFault::Corrupt, std::string(nameOf(format)) + " error: inconsistent size");
    }
    const bool sixteen = info.bits_per_channel == 16;
    try {
        raw.resize(width, height, 4);
    }
    catch (...) {
        stbi_image_free(pixels);
        throw;
    }
    // stb_image delivers R, G, B, A (16 bits per channel for some PSDs) with
    // its rows top-down, and TGA origins already applied.
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = raw.view().rowData(y);
        for (int x = 0; x < width; ++x, out += 4) {
            const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
            std::uint8_t c[4];
            for (int k = 0; k < 4; ++k)
                c[k] = sixteen
                           ? static_cast<std::uint8_t>(static_cast<const std::uint16_t*>(pixels)[i + k] >> 8)
                           : static_cast<const std::uint8_t*>(pixels)[i + k];
            out[0] = c[2];
            out[1] = c[1];
            out[2] = c[0];
            out[3] = c[3];
        }
    }
    stbi_image_free(pixels);
    return picture;
}

} // namespace quiltara::imaging
