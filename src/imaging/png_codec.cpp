#include "imaging/png_codec.h"

#include "imaging/byte_reader.h"
#include "imaging/exif_orientation.h"
#include "imaging/picture_error.h"

#include <cstring>
#include <new>
#include <png.h>
#include <string>

// libpng reports errors through a callback that must not return; it jumps
// back with longjmp (png_jmpbuf) to the function that started the work,
// across the library's C frames only. That function frees the codec and
// throws.

namespace quiltara::imaging {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Reader {
    std::span<const std::uint8_t> file;
    std::size_t position = 0;
    bool ranOut = false;
    char message[200] = {};
};

void readBytes(png_structp png, png_bytep out, png_size_t count)
{
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > reader->file.size() - reader->position) {
        reader->ranOut = true;
        png_error(png, "the data ends before the picture does");
    }
    if (count > 0)
        std::memcpy(out, reader->file.data() + reader->position, count);
    reader->position += count;
}

void onError(png_structp png, png_const_charp message)
{
    auto* reader = static_cast<Reader*>(png_get_error_ptr(png));
    std::snprintf(reader->message, sizeof reader->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

PictureError pngFailure(const Reader& reader)
{
    if (reader.ranOut)
        return PictureError(PictureFault::Truncated, "PNG error: the data ends before the picture does");
    return PictureError(PictureFault::Corrupt, std::string("PNG error: ") + reader.message);
}

// The eXIf chunk, wherever it stands among the chunks.
int pngOrientation(std::span<const std::uint8_t> file)
{
    ByteReader bytes(file);
    std::size_t offset = sizeof kSignature;
    while (bytes.has(offset, 8)) {
        const std::uint32_t length = bytes.be32(offset);
        const auto type = bytes.bytes(offset + 4, 4);
        if (std::memcmp(type.data(), "IEND", 4) == 0)
            break;
        if (std::memcmp(type.data(), "eXIf", 4) == 0) {
            const auto data = bytes.bytes(offset + 8, length);
            return data.empty() ? 1 : exifOrientation(data);
        }
        if (length > file.size())
            break;
        offset += 12 + static_cast<std::size_t>(length);
    }
    return 1;
}

// Width, height and alpha from the IHDR chunk and the chunks before IDAT.
StoredPicture headerOf(std::span<const std::uint8_t> file)
{
    ByteReader bytes(file);
    if (!looksLikePng(file))
        throw PictureError(PictureFault::WrongFormat, "PNG error: not a PNG file");
    // The signature and a whole IHDR chunk come first.
    if (file.size() < 33)
        throw PictureError(PictureFault::Truncated, "PNG error: the data ends before the picture does");
    if (bytes.be32(8) != 13 || std::memcmp(file.data() + 12, "IHDR", 4) != 0)
        throw PictureError(PictureFault::Corrupt, "PNG error: the file does not start with its header chunk");
    const std::uint32_t width = bytes.be32(16);
    const std::uint32_t height = bytes.be32(20);
    const std::uint8_t colourType = bytes.u8(25);
    if (bytes.overrun())
        throw PictureError(PictureFault::Truncated, "PNG error: the data ends before the picture does");
    bool alpha = (colourType & 4) != 0;
    std::size_t offset = 33;
    while (!alpha && bytes.has(offset, 8)) {
        const std::uint32_t length = bytes.be32(offset);
        const auto type = bytes.bytes(offset + 4, 4);
        if (std::memcmp(type.data(), "IDAT", 4) == 0 || length > file.size())
            break;
        alpha = std::memcmp(type.data(), "tRNS", 4) == 0;
        offset += 12 + static_cast<std::size_t>(length);
    }
    const auto side = [](std::uint32_t v) { return v > 0x7FFFFFFF ? -1 : static_cast<int>(v); };
    return {PictureFormat::Png, {side(width), side(height)}, pngOrientation(file), alpha};
}

struct Writer {
    std::vector<std::uint8_t>* out;
    bool failed = false;
};

void writeBytes(png_structp png, png_bytep data, png_size_t count)
{
    auto* writer = static_cast<Writer*>(png_get_io_ptr(png));
    try {
        writer->out->insert(writer->out->end(), data, data + count);
    }
    catch (const std::bad_alloc&) {
        writer->failed = true;
        png_error(png, "out of memory");
    }
}

} // namespace

bool looksLikePng(std::span<const std::uint8_t> file)
{
    return file.size() >= sizeof kSignature && std::memcmp(file.data(), kSignature, sizeof kSignature) == 0;
}

StoredPicture readPngHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    const StoredPicture picture = headerOf(file);
    checkPictureSize(picture.size, maxPixels, "PNG");
    return picture;
}

StoredPicture decodePng(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    StoredPicture picture = readPngHeader(file, maxPixels);
    Reader reader{file};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, onError, onWarning);
    if (!png)
        throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw pngFailure(reader);
    }
    png_set_read_fn(png, &reader, readBytes);
    // Text, colour profiles and the like are capped; the pixels are not
    // theirs to allocate.
    png_set_chunk_malloc_max(png, 16u << 20);
    png_read_info(png, info);

    png_set_expand(png); // palette to RGB, low depths to 8 bits, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const auto width = static_cast<int>(png_get_image_width(png, info));
    const auto height = static_cast<int>(png_get_image_height(png, info));
    if (width != picture.size.width || height != picture.size.height ||
        png_get_rowbytes(png, info) != 4u * width)
        png_error(png, "unexpected row layout");
    try {
        raw.resize(width, height, 4);
    }
    catch (const std::exception&) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
    }
    // libpng needs every row pointer at once for interlaced pictures. The
    // vector lives in this frame, which the error jump returns to, so it is
    // freed on every path.
    std::vector<png_bytep> rows;
    try {
        rows.resize(static_cast<std::size_t>(height));
    }
    catch (const std::bad_alloc&) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
    }
    for (int y = 0; y < height; ++y)
        rows[y] = raw.view().rowData(y);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw pngFailure(reader);
    }
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return picture;
}

void encodePng24(const PixelView& pixels, std::vector<std::uint8_t>& out)
{
    if (pixels.empty() || !pixels.data)
        throw PictureError(PictureFault::Corrupt, "PNG error: the picture to write is empty");
    out.clear();
    Reader errors{};
    Writer writer{&out};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, onError, onWarning);
    if (!png)
        throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
    png_infop info = png_create_info_struct(png);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(pixels.width) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        if (writer.failed)
            throw PictureError(PictureFault::OutOfMemory, "PNG error: out of memory");
        throw PictureError(PictureFault::Corrupt, std::string("PNG error: ") + errors.message);
    }
    png_set_write_fn(png, &writer, writeBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width), static_cast<png_uint_32>(pixels.height),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* s = pixels.rowData(y);
        for (int x = 0; x < pixels.width; ++x, s += pixels.bytesPerPixel) {
            row[3 * x] = s[2];
            row[3 * x + 1] = s[1];
            row[3 * x + 2] = s[0];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
}

} // namespace quiltara::imaging
