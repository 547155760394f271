#pragma once

#include "imaging/geometry.h"

#include <cstdint>
#include <optional>

namespace quiltara::imaging {

// The picture formats the program reads.
enum class PictureFormat { Jpeg, Png, Gif, Bmp, Tiff, Tga, Psd, Pic, Pnm, Pcx };

const char* pictureFormatName(PictureFormat format);

// The most pixels a decoded picture may have (a 20000 x 10000 panorama).
// Together with kMaxBitmapBytes it bounds the memory a hostile file can make
// a decoder take; sizes read from a file are checked before any allocation.
inline constexpr std::uint64_t kMaxPicturePixels = 200'000'000;

// What a size query tells about a picture file.
struct PictureInfo {
    PictureFormat format = PictureFormat::Bmp;
    Size size;           // upright: the file's EXIF or TIFF orientation applied
    int orientation = 1; // 1 ... 8 as EXIF numbers them; 1 = stored upright
    bool hasAlpha = false;
};

// How to decode a picture.
struct DecodeRequest {
    int bytesPerPixel = 4; // 3 or 4
    // With 4 bytes per pixel: the fourth byte carries the alpha channel (255
    // where the picture has none). Otherwise pictures with alpha are blended
    // over white and the fourth byte is 0.
    bool keepAlpha = false;
    // The exact upright size to deliver. A JPEG is decoded with the library's
    // DCT scaling to the smallest size not below it first; every picture is
    // then brought to it with the plain stretch.
    std::optional<Size> size;
    std::uint64_t maxPixels = kMaxPicturePixels;
};

// A request for the given pixel format, optionally at an exact size.
inline DecodeRequest decodeAs(int bytesPerPixel, std::optional<Size> size = std::nullopt)
{
    DecodeRequest request;
    request.bytesPerPixel = bytesPerPixel;
    request.size = size;
    return request;
}

// A request for 32-bit pixels whose fourth byte is the alpha channel.
inline DecodeRequest decodeWithAlpha(std::optional<Size> size = std::nullopt)
{
    DecodeRequest request = decodeAs(4, size);
    request.keepAlpha = true;
    return request;
}

} // namespace quiltara::imaging
