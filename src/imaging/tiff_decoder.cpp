#include "imaging/tiff_decoder.h"

#include "imaging/picture_error.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <tiffio.h>

namespace quiltara::imaging {
namespace {

struct Source {
    std::span<const std::uint8_t> file;
    toff_t position = 0;
    char message[256] = {};
};

tmsize_t readProc(thandle_t handle, void* out, tmsize_t count)
{
    auto* s = static_cast<Source*>(handle);
    if (count <= 0 || s->position >= s->file.size())
        return 0;
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(count), s->file.size() - s->position);
    std::memcpy(out, s->file.data() + s->position, n);
    s->position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t writeProc(thandle_t, void*, tmsize_t)
{
    return 0;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence)
{
    auto* s = static_cast<Source*>(handle);
    toff_t base = 0;
    if (whence == SEEK_CUR)
        base = s->position;
    else if (whence == SEEK_END)
        base = s->file.size();
    if (offset > ~base)
        return static_cast<toff_t>(-1);
    s->position = base + offset;
    return s->position;
}

int closeProc(thandle_t)
{
    return 0;
}

toff_t sizeProc(thandle_t handle)
{
    return static_cast<Source*>(handle)->file.size();
}

int onError(TIFF*, void* user, const char* module, const char* format, va_list args)
{
    auto* s = static_cast<Source*>(user);
    if (s->message[0] == 0)
        std::vsnprintf(s->message, sizeof s->message, format, args);
    return 1;
}

int onWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using Tiff = std::unique_ptr<TIFF, TiffClose>;

[[noreturn]] void fail(PictureFault fault, const Source& source, const char* what)
{
    std::string message = std::string("TIFF error: ") + what;
    if (source.message[0])
        message += std::string(" (") + source.message + ")";
    throw PictureError(fault, message);
}

Tiff openTiff(Source& source, std::uint64_t maxPixels)
{
    // Codecs inside libtiff that still use the process-wide handlers stay
    // quiet as well.
    static const bool quiet = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)quiet;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        throw PictureError(PictureFault::OutOfMemory, "TIFF error: out of memory");
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, static_cast<tmsize_t>(std::min<std::uint64_t>(
                                                     maxPixels * 4 + (16u << 20), kMaxBitmapBytes)));
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, &source);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, &source);
    // "m": never map the file; the bytes are in memory already.
    Tiff tiff(TIFFClientOpenExt("picture", "rm", &source, readProc, writeProc, seekProc, closeProc, sizeProc,
                                nullptr, nullptr, options));
    TIFFOpenOptionsFree(options);
    if (!tiff)
        fail(source.file.size() < 8 ? PictureFault::Truncated : PictureFault::Corrupt, source,
             "not a readable TIFF file");
    return tiff;
}

StoredPicture storedOf(TIFF* tiff, const Source& source, std::uint64_t maxPixels)
{
    std::uint32_t width = 0, height = 0;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height))
        fail(PictureFault::Corrupt, source, "the picture has no size");
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
    const Size size{width > 0x7FFFFFFF ? -1 : static_cast<int>(width),
                    height > 0x7FFFFFFF ? -1 : static_cast<int>(height)};
    checkPictureSize(size, maxPixels, "TIFF");
    std::uint16_t extra = 0;
    std::uint16_t* types = nullptr;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extra, &types);
    return {PictureFormat::Tiff, size, orientation, extra > 0};
}

} // namespace

bool looksLikeTiff(std::span<const std::uint8_t> file)
{
    return file.size() >= 4 &&
           ((file[0] == 'I' && file[1] == 'I' && (file[2] == 42 || file[2] == 43) && file[3] == 0) ||
            (file[0] == 'M' && file[1] == 'M' && file[2] == 0 && (file[3] == 42 || file[3] == 43)));
}

StoredPicture readTiffHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    Source source{file};
    const Tiff tiff = openTiff(source, maxPixels);
    return storedOf(tiff.get(), source, maxPixels);
}

StoredPicture decodeTiff(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    Source source{file};
    const Tiff tiff = openTiff(source, maxPixels);
    StoredPicture picture = storedOf(tiff.get(), source, maxPixels);

    char message[1024] = {};
    TIFFRGBAImage image;
    if (!TIFFRGBAImageOK(tiff.get(), message) || !TIFFRGBAImageBegin(&image, tiff.get(), 1, message))
        fail(PictureFault::UnknownFormat, source, message[0] ? message : "unsupported kind of TIFF");
    // Rows as stored: asking for the file's own orientation means no flips.
    image.req_orientation = image.orientation;
    const int width = picture.size.width;
    const int height = picture.size.height;
    raw.resize(width, height, 4);
    // A 4-byte row is exactly width * 4 bytes, the packed raster libtiff writes.
    auto* raster = reinterpret_cast<std::uint32_t*>(raw.data());
    const int ok = TIFFRGBAImageGet(&image, raster, static_cast<std::uint32_t>(width),
                                    static_cast<std::uint32_t>(height));
    picture.hasAlpha = image.alpha != 0;
    TIFFRGBAImageEnd(&image);
    if (!ok)
        fail(PictureFault::Corrupt, source, "the picture data cannot be read");
    // libtiff packs R, G, B, A from the low byte up: swap to B, G, R, A.
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = raw.view().rowData(y);
        for (int x = 0; x < width; ++x, p += 4)
            std::swap(p[0], p[2]);
    }
    return picture;
}

} // namespace quiltara::imaging
