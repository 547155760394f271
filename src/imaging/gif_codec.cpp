#include "imaging/gif_codec.h"

#include "imaging/picture_error.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <libimagequant.h>
#include <memory>
#include <string>

namespace quiltara::imaging {
namespace {

struct Reader {
    std::span<const std::uint8_t> file;
    std::size_t position = 0;
};

int readBytes(GifFileType* gif, GifByteType* out, int count)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)),
                                                reader->file.size() - reader->position);
    if (n > 0)
        std::memcpy(out, reader->file.data() + reader->position, n);
    reader->position += n;
    return static_cast<int>(n);
}

struct GifClose {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifReader = std::unique_ptr<GifFileType, GifClose>;

PictureError gifFailure(int code)
{
    const char* text = GifErrorString(code);
    const std::string message = std::string("GIF error: ") + (text ? text : "unknown error");
    switch (code) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
        return PictureError(PictureFault::Truncated, message);
    case D_GIF_ERR_NOT_GIF_FILE:
        return PictureError(PictureFault::WrongFormat, message);
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return PictureError(PictureFault::OutOfMemory, message);
    default:
        return PictureError(PictureFault::Corrupt, message);
    }
}

GifReader openGif(Reader& reader)
{
    int error = 0;
    GifReader gif(DGifOpen(&reader, readBytes, &error));
    if (!gif)
        throw gifFailure(error);
    return gif;
}

struct FirstFrame {
    Size screen;
    int transparent = -1; // the transparent colour index, -1 = none
};

// Reads records up to the first frame's descriptor: the frame's size and
// place are then in gif->Image.
FirstFrame findFirstFrame(GifFileType* gif)
{
    FirstFrame frame;
    for (;;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            throw gifFailure(gif->Error);
        if (type == TERMINATE_RECORD_TYPE)
            throw PictureError(PictureFault::NoImageData, "GIF error: the file holds no picture");
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR)
                throw gifFailure(gif->Error);
            const GifImageDesc& image = gif->Image;
            frame.screen = {std::max(gif->SWidth, image.Left + image.Width),
                            std::max(gif->SHeight, image.Top + image.Height)};
            return frame;
        }
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                throw gifFailure(gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4) {
                GraphicsControlBlock control;
                if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                    frame.transparent = control.TransparentColor;
            }
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    throw gifFailure(gif->Error);
            }
        }
    }
}

struct LiqFree {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};

struct Writer {
    std::vector<std::uint8_t>* out;
};

int writeBytes(GifFileType* gif, const GifByteType* data, int count)
{
    auto* writer = static_cast<Writer*>(gif->UserData);
    try {
        writer->out->insert(writer->out->end(), data, data + count);
    }
    catch (const std::bad_alloc&) {
        return 0;
    }
    return count;
}

} // namespace

bool looksLikeGif(std::span<const std::uint8_t> file)
{
    return file.size() >= 6 &&
           (std::memcmp(file.data(), "GIF87a", 6) == 0 || std::memcmp(file.data(), "GIF89a", 6) == 0);
}

StoredPicture readGifHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    Reader reader{file};
    GifReader gif = openGif(reader);
    const FirstFrame frame = findFirstFrame(gif.get());
    checkPictureSize(frame.screen, maxPixels, "GIF");
    return {PictureFormat::Gif, frame.screen, 1, true};
}

StoredPicture decodeGif(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    Reader reader{file};
    GifReader gif = openGif(reader);
    const FirstFrame frame = findFirstFrame(gif.get());
    checkPictureSize(frame.screen, maxPixels, "GIF");
    const GifImageDesc image = gif->Image;
    const ColorMapObject* colours = image.ColorMap ? image.ColorMap : gif->SColorMap;
    if (!colours || !colours->Colors || colours->ColorCount <= 0)
        throw PictureError(PictureFault::Corrupt, "GIF error: the picture has no colour table");

    raw.resize(frame.screen.width, frame.screen.height, 4);
    std::memset(raw.data(), 0xFF, raw.sizeInBytes());
    for (int y = 0; y < raw.height(); ++y) {
        std::uint8_t* row = raw.view().rowData(y);
        for (int x = 0; x < raw.width(); ++x)
            row[4 * x + 3] = 0;
    }
    // Interlaced frames store every eighth row from 0, every eighth from 4,
    // every fourth from 2, then every second from 1.
    static constexpr int kPassStart[4] = {0, 4, 2, 1};
    static constexpr int kPassStep[4] = {8, 8, 4, 2};
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.Width));
    const auto readRow = [&](int y) {
        if (DGifGetLine(gif.get(), line.data(), image.Width) == GIF_ERROR)
            throw gifFailure(gif->Error);
        std::uint8_t* out = raw.view().rowData(image.Top + y) + 4 * static_cast<std::ptrdiff_t>(image.Left);
        for (int x = 0; x < image.Width; ++x, out += 4) {
            const int index = line[x];
            if (index == frame.transparent)
                continue;
            if (index < colours->ColorCount) {
                const GifColorType& c = colours->Colors[index];
                out[0] = c.Blue;
                out[1] = c.Green;
                out[2] = c.Red;
            } else {
                out[0] = out[1] = out[2] = 0;
            }
            out[3] = 255;
        }
    };
    if (image.Interlace) {
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kPassStart[pass]; y < image.Height; y += kPassStep[pass])
                readRow(y);
    } else {
        for (int y = 0; y < image.Height; ++y)
            readRow(y);
    }
    return {PictureFormat::Gif, frame.screen, 1, true};
}

void encodeGif(const PixelView& pixels, std::vector<std::uint8_t>& out)
{
    if (pixels.empty() || !pixels.data)
        throw PictureError(PictureFault::Corrupt, "GIF error: the picture to write is empty");
    if (pixels.width > 65535 || pixels.height > 65535)
        throw PictureError(PictureFault::TooLarge, "GIF error: a GIF holds at most 65535 x 65535 pixels");
    const int width = pixels.width;
    const int height = pixels.height;

    // libimagequant takes red, green, blue, alpha.
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = pixels.rowData(y);
        std::uint8_t* t = rgba.data() + static_cast<std::size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x, s += pixels.bytesPerPixel, t += 4) {
            t[0] = s[2];
            t[1] = s[1];
            t[2] = s[0];
            t[3] = 255;
        }
    }
    const std::unique_ptr<liq_attr, LiqFree> attributes(liq_attr_create());
    if (!attributes)
        throw PictureError(PictureFault::OutOfMemory, "GIF error: out of memory");
    liq_set_max_colors(attributes.get(), 256);
    const std::unique_ptr<liq_image, LiqFree> image(
        liq_image_create_rgba(attributes.get(), rgba.data(), width, height, 0));
    liq_result* quantised = nullptr;
    if (!image || liq_image_quantize(image.get(), attributes.get(), &quantised) != LIQ_OK)
        throw PictureError(PictureFault::Corrupt, "GIF error: the colours could not be reduced");
    const std::unique_ptr<liq_result, LiqFree> result(quantised);
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height);
    if (liq_write_remapped_image(result.get(), image.get(), indices.data(), indices.size()) != LIQ_OK)
        throw PictureError(PictureFault::Corrupt, "GIF error: the colours could not be reduced");
    const liq_palette* palette = liq_get_palette(result.get());

    // A GIF colour table has a power-of-two size.
    int tableSize = 2;
    while (tableSize < static_cast<int>(palette->count))
        tableSize *= 2;
    std::vector<GifColorType> table(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
    for (unsigned int i = 0; i < palette->count; ++i)
        table[i] = {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b};

    out.clear();
    Writer writer{&out};
    int error = 0;
    GifFileType* gif = EGifOpen(&writer, writeBytes, &error);
    if (!gif)
        throw PictureError(PictureFault::OutOfMemory, "GIF error: out of memory");
    ColorMapObject* map = GifMakeMapObject(tableSize, table.data());
    bool ok = map && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * width, width) == GIF_OK;
    GifFreeMapObject(map);
    const int failure = gif->Error;
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!ok || !closed) {
        const char* text = GifErrorString(ok ? error : failure);
        throw PictureError(PictureFault::WriteFailed,
                           std::string("GIF error: ") + (text ? text : "write failed"));
    }
}

} // namespace quiltara::imaging
