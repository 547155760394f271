#include "picture_fixtures.h"

#include "imaging/jpeg_codec.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <png.h>
#include <stdexcept>
#include <tiffio.h>
#include <unistd.h>
#include <zlib.h>

namespace quiltara::imaging::testing {
namespace {

void put16(std::vector<std::uint8_t>& v, unsigned value)
{
    v.push_back(static_cast<std::uint8_t>(value));
    v.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& v, unsigned value)
{
    put16(v, value & 0xFFFF);
    put16(v, value >> 16);
}

void putBe32(std::vector<std::uint8_t>& v, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        v.push_back(static_cast<std::uint8_t>(value >> shift));
}

constexpr std::uint32_t kBlockColours[6] = {0x000000FF, 0x0000FF00, 0x00FF0000,
                                            0x0000FFFF, 0x00FF00FF, 0x00FFFFFF};

} // namespace

std::vector<std::uint8_t> tiffOrientationBlock(int orientation)
{
    std::vector<std::uint8_t> block = {'I', 'I', 42, 0};
    put32(block, 8); // the IFD follows the header
    put16(block, 1); // one entry
    put16(block, 0x0112);
    put16(block, 3); // SHORT
    put32(block, 1);
    put16(block, static_cast<unsigned>(orientation));
    put16(block, 0);
    put32(block, 0); // no next IFD
    return block;
}

std::vector<std::uint8_t> jpegWithOrientation(const PixelView& pixels, int quality, int orientation)
{
    std::vector<std::uint8_t> jpeg;
    encodeJpeg(pixels, quality, jpeg);
    if (orientation == 0)
        return jpeg;
    std::vector<std::uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
    const auto tiff = tiffOrientationBlock(orientation);
    payload.insert(payload.end(), tiff.begin(), tiff.end());
    std::vector<std::uint8_t> segment = {0xFF, 0xE1, static_cast<std::uint8_t>((payload.size() + 2) >> 8),
                                         static_cast<std::uint8_t>(payload.size() + 2)};
    segment.insert(segment.end(), payload.begin(), payload.end());
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    return jpeg;
}

std::vector<std::uint8_t> pngWithOrientation(const PixelView& pixels, bool alpha, int orientation)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixels.width);
    image.height = static_cast<png_uint_32>(pixels.height);
    std::vector<std::uint8_t> packed;
    const int channels = pixels.bytesPerPixel == 4 && alpha ? 4 : 3;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            for (int k = 0; k < channels; ++k)
                packed.push_back(pixels.pixel(x, y)[k]);
    image.format = channels == 4 ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, packed.data(), 0, nullptr))
        throw std::runtime_error("png_image_write_to_memory failed");
    std::vector<std::uint8_t> png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, packed.data(), 0, nullptr))
        throw std::runtime_error("png_image_write_to_memory failed");
    png.resize(size);
    if (orientation == 0)
        return png;
    const auto data = tiffOrientationBlock(orientation);
    std::vector<std::uint8_t> chunk;
    putBe32(chunk, static_cast<std::uint32_t>(data.size()));
    chunk.insert(chunk.end(), {'e', 'X', 'I', 'f'});
    chunk.insert(chunk.end(), data.begin(), data.end());
    putBe32(chunk,
            static_cast<std::uint32_t>(crc32(0, chunk.data() + 4, static_cast<uInt>(chunk.size() - 4))));
    png.insert(png.begin() + 33, chunk.begin(), chunk.end()); // after the signature and IHDR
    return png;
}

std::vector<std::uint8_t> tiffWithOrientation(const PixelView& pixels, int orientation)
{
    char name[] = "/tmp/quiltara-tiff-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0)
        throw std::runtime_error("mkstemp failed");
    close(fd);
    TIFF* tiff = TIFFOpen(name, "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(pixels.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(pixels.height));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, static_cast<std::uint16_t>(orientation));
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<std::uint32_t>(pixels.height));
    std::vector<std::uint8_t> row(static_cast<std::size_t>(pixels.width) * 3);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x)
            for (int k = 0; k < 3; ++k)
                row[3 * x + k] = pixels.pixel(x, y)[2 - k];
        TIFFWriteScanline(tiff, row.data(), static_cast<std::uint32_t>(y), 0);
    }
    TIFFClose(tiff);
    std::vector<std::uint8_t> bytes;
    if (std::FILE* f = std::fopen(name, "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    std::remove(name);
    return bytes;
}

std::vector<std::uint8_t> interlacedGif(int width, int height)
{
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(
        &out,
        [](GifFileType* g, const GifByteType* data, int count) {
            auto* bytes = static_cast<std::vector<std::uint8_t>*>(g->UserData);
            bytes->insert(bytes->end(), data, data + count);
            return count;
        },
        &error);
    GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width + 2, height + 2, 8, 0, map);
    GraphicsControlBlock control{};
    control.TransparentColor = 3;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, 1, 1, width, height, true, nullptr);
    // Interlaced rows are written in their stored order: every eighth row
    // from 0, every eighth from 4, every fourth from 2, every second from 1.
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step) {
            std::fill(line.begin(), line.end(), static_cast<GifPixelType>(y % 4));
            EGifPutLine(gif, line.data(), width);
        }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

Bitmap blockPicture(int bytesPerPixel)
{
    Bitmap picture(48, 32, bytesPerPixel);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x) {
            const std::uint32_t c = kBlockColours[(y / 16) * 3 + x / 16];
            std::uint8_t* p = picture.view().pixel(x, y);
            p[0] = static_cast<std::uint8_t>(c >> 16);
            p[1] = static_cast<std::uint8_t>(c >> 8);
            p[2] = static_cast<std::uint8_t>(c);
            if (bytesPerPixel == 4)
                p[3] = 0;
        }
    return picture;
}

std::uint32_t blockColour(int b)
{
    return kBlockColours[b];
}

} // namespace quiltara::imaging::testing
