#include "imaging/picture_decoder.h"

#include "imaging/bmp_decoder.h"
#include "imaging/decoded_picture.h"
#include "imaging/gif_codec.h"
#include "imaging/jpeg_codec.h"
#include "imaging/pcx_decoder.h"
#include "imaging/picture_error.h"
#include "imaging/png_codec.h"
#include "imaging/pnm_decoder.h"
#include "imaging/stb_decoder.h"
#include "imaging/tiff_decoder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace quiltara::imaging {
namespace {

bool looksLikeJpeg(std::span<const std::uint8_t> file)
{
    return file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
}

// The format a file's contents say it is, for the generic loader. TGA has no
// signature and comes last.
PictureFormat sniffFormat(std::span<const std::uint8_t> file)
{
    if (looksLikePng(file))
        return PictureFormat::Png;
    if (looksLikeJpeg(file))
        return PictureFormat::Jpeg;
    if (looksLikeGif(file))
        return PictureFormat::Gif;
    if (looksLikeBmp(file))
        return PictureFormat::Bmp;
    if (looksLikeTiff(file))
        return PictureFormat::Tiff;
    if (looksLikePsd(file))
        return PictureFormat::Psd;
    if (looksLikeSoftimagePic(file))
        return PictureFormat::Pic;
    if (looksLikePnm(file))
        return PictureFormat::Pnm;
    if (looksLikePcx(file))
        return PictureFormat::Pcx;
    if (looksLikeTga(file))
        return PictureFormat::Tga;
    throw PictureError(PictureFault::UnknownFormat, "Unknown picture format");
}

PictureFormat formatFor(std::span<const std::uint8_t> file, PictureRoute route)
{
    switch (route) {
    case PictureRoute::Jpeg:
        return PictureFormat::Jpeg;
    case PictureRoute::Gif:
        return PictureFormat::Gif;
    case PictureRoute::Bmp:
        return PictureFormat::Bmp;
    case PictureRoute::Generic:
        return sniffFormat(file);
    }
    return PictureFormat::Bmp;
}

StoredPicture readHeader(std::span<const std::uint8_t> file, PictureFormat format, std::uint64_t maxPixels)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return readJpegHeader(file, maxPixels);
    case PictureFormat::Png:
        return readPngHeader(file, maxPixels);
    case PictureFormat::Gif:
        return readGifHeader(file, maxPixels);
    case PictureFormat::Bmp:
        return readBmpHeader(file, maxPixels);
    case PictureFormat::Tiff:
        return readTiffHeader(file, maxPixels);
    case PictureFormat::Pnm:
        return readPnmHeader(file, maxPixels);
    case PictureFormat::Pcx:
        return readPcxHeader(file, maxPixels);
    case PictureFormat::Tga:
    case PictureFormat::Psd:
    case PictureFormat::Pic:
        return readStbHeader(file, format, maxPixels);
    }
    throw PictureError(PictureFault::UnknownFormat, "Unknown picture format");
}

// Every decoder but JPEG's writes the stored picture into raw.
StoredPicture decodeRaw(std::span<const std::uint8_t> file, PictureFormat format, std::uint64_t maxPixels,
                        Bitmap& raw)
{
    switch (format) {
    case PictureFormat::Png:
        return decodePng(file, maxPixels, raw);
    case PictureFormat::Gif:
        return decodeGif(file, maxPixels, raw);
    case PictureFormat::Bmp:
        return decodeBmp(file, maxPixels, raw);
    case PictureFormat::Tiff:
        return decodeTiff(file, maxPixels, raw);
    case PictureFormat::Pnm:
        return decodePnm(file, maxPixels, raw);
    case PictureFormat::Pcx:
        return decodePcx(file, maxPixels, raw);
    case PictureFormat::Tga:
    case PictureFormat::Psd:
    case PictureFormat::Pic:
        return decodeStb(file, format, maxPixels, raw);
    case PictureFormat::Jpeg:
        break;
    }
    throw PictureError(PictureFault::UnknownFormat, "Unknown picture format");
}

void checkRequest(const DecodeRequest& request)
{
    if (request.bytesPerPixel != 3 && request.bytesPerPixel != 4)
        throw ImagingError("Unsupported pixel format: " + std::to_string(request.bytesPerPixel * 8) +
                           " bits");
    if (request.size && bitmapBytes(request.size->width, request.size->height, request.bytesPerPixel) == 0 &&
        request.size->width != 0 && request.size->height != 0)
        throw PictureError(PictureFault::TooLarge, "Requested picture size out of range");
}

struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

const char* pictureFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return "JPEG";
    case PictureFormat::Png:
        return "PNG";
    case PictureFormat::Gif:
        return "GIF";
    case PictureFormat::Bmp:
        return "BMP";
    case PictureFormat::Tiff:
        return "TIFF";
    case PictureFormat::Tga:
        return "TGA";
    case PictureFormat::Psd:
        return "PSD";
    case PictureFormat::Pic:
        return "PIC";
    case PictureFormat::Pnm:
        return "PNM";
    case PictureFormat::Pcx:
        return "PCX";
    }
    return "picture";
}

PictureRoute routeForFileName(std::string_view fileName)
{
    std::string upper(fileName);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find("JPG") != std::string::npos || upper.find("JPEG") != std::string::npos)
        return PictureRoute::Jpeg;
    if (upper.find("GIF") != std::string::npos)
        return PictureRoute::Gif;
    if (upper.find(".BMP") != std::string::npos)
        return PictureRoute::Bmp;
    return PictureRoute::Generic;
}

std::vector<std::uint8_t> readPictureFile(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    const std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw PictureError(PictureFault::CannotRead, "Cannot open " + name + ": " + std::strerror(errno));
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        throw PictureError(PictureFault::CannotRead, "Cannot read " + name + ": " + error.message());
    if (size > kMaxPictureFileBytes)
        throw PictureError(PictureFault::TooLarge, "Picture file too large: " + name);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (read != bytes.size() && std::ferror(file.get()))
        throw PictureError(PictureFault::CannotRead, "Cannot read " + name + ": " + std::strerror(errno));
    bytes.resize(read);
    return bytes;
}

PictureInfo queryPicture(std::span<const std::uint8_t> file, PictureRoute route, std::uint64_t maxPixels)
{
    return infoOf(readHeader(file, formatFor(file, route), maxPixels));
}

PictureInfo decodePicture(std::span<const std::uint8_t> file, PictureRoute route,
                          const DecodeRequest& request, Bitmap& target)
{
    checkRequest(request);
    const PictureFormat format = formatFor(file, route);
    if (format == PictureFormat::Jpeg)
        return infoOf(decodeJpeg(file, request, target));
    Bitmap& raw = rawPictureBitmap();
    const StoredPicture stored = decodeRaw(file, format, request.maxPixels, raw);
    const PictureInfo info = infoOf(stored);
    finishPicture(raw.view(), stored.hasAlpha, info.orientation, request, target);
    return info;
}

PictureInfo queryPictureFile(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> file = readPictureFile(path);
    return queryPicture(file, routeForFileName(path.string()));
}

PictureInfo decodePictureFile(const std::filesystem::path& path, const DecodeRequest& request, Bitmap& target)
{
    const std::vector<std::uint8_t> file = readPictureFile(path);
    return decodePicture(file, routeForFileName(path.string()), request, target);
}

} // namespace quiltara::imaging
