#include "imaging/picture_encoder.h"

#include "imaging/bmp_stream.h"
#include "imaging/gif_codec.h"
#include "imaging/jpeg_codec.h"
#include "imaging/picture_error.h"
#include "imaging/png_codec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace quiltara::imaging {

std::optional<GraphicFormat> graphicFormatForFileName(std::string_view fileName)
{
    std::string upper(fileName);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find(".JP") != std::string::npos)
        return GraphicFormat::Jpeg;
    if (upper.find(".GIF") != std::string::npos)
        return GraphicFormat::Gif;
    if (upper.find(".PNG") != std::string::npos)
        return GraphicFormat::Png;
    if (upper.find(".BMP") != std::string::npos)
        return GraphicFormat::Bmp;
    return std::nullopt;
}

void encodeGraphic(const PixelView& pixels, GraphicFormat format, int jpegQuality,
                   std::vector<std::uint8_t>& out)
{
    switch (format) {
    case GraphicFormat::Jpeg:
        encodeJpeg(pixels, jpegQuality, out);
        return;
    case GraphicFormat::Gif:
        encodeGif(pixels, out);
        return;
    case GraphicFormat::Png:
        encodePng24(pixels, out);
        return;
    case GraphicFormat::Bmp:
        out = encodeBmp(pixels);
        return;
    }
}

void writeGraphicFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                      GraphicFormat format)
{
    const auto failure = [&](int error) {
        const std::string reason = std::strerror(error);
        if (format == GraphicFormat::Jpeg)
            return PictureError(PictureFault::WriteFailed, "JPEG error #36");
        return PictureError(PictureFault::WriteFailed,
                            "Cannot write " + path.filename().string() + ": " + reason);
    };
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw failure(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::remove(path.c_str());
        throw failure(error);
    }
}

void saveGraphicFile(const std::filesystem::path& path, const PixelView& pixels, GraphicFormat format,
                     int jpegQuality)
{
    std::vector<std::uint8_t> bytes;
    encodeGraphic(pixels, format, jpegQuality, bytes);
    writeGraphicFile(path, bytes, format);
}

} // namespace quiltara::imaging
