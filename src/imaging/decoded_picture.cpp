#include "imaging/decoded_picture.h"

#include "imaging/picture_error.h"

#include <vector>

namespace quiltara::imaging {
namespace {

bool swapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// Where upright pixel (u, v) lies in a stored picture of width x height.
struct OrientationMap {
    // stored x = x0 + u * xu + v * xv, stored y = y0 + u * yu + v * yv
    int x0, xu, xv, y0, yu, yv;
};

OrientationMap orientationMap(int orientation, int width, int height)
{
    const int w = width - 1;
    const int h = height - 1;
    switch (orientation) {
    case 2:
        return {w, -1, 0, 0, 0, 1}; // mirrored left to right
    case 3:
        return {w, -1, 0, h, 0, -1}; // turned upside down
    case 4:
        return {0, 1, 0, h, 0, -1}; // mirrored top to bottom
    case 5:
        return {0, 0, 1, 0, 1, 0}; // transposed
    case 6:
        return {0, 0, 1, h, -1, 0}; // to be turned a quarter clockwise
    case 7:
        return {w, 0, -1, h, -1, 0}; // transversed
    case 8:
        return {w, 0, -1, 0, 1, 0}; // to be turned a quarter counter-clockwise
    default:
        return {0, 1, 0, 0, 0, 1};
    }
}

// Blends a colour byte over white: round(c * a / 255 + 255 * (1 - a / 255)).
inline std::uint8_t overWhite(std::uint8_t c, std::uint8_t a)
{
    return static_cast<std::uint8_t>((c * a + 255 * (255 - a) + 127) / 255);
}

} // namespace

Size uprightSize(Size stored, int orientation)
{
    return swapsSides(orientation) ? Size{stored.height, stored.width} : stored;
}

PictureInfo infoOf(const StoredPicture& picture)
{
    const int orientation = picture.orientation >= 1 && picture.orientation <= 8 ? picture.orientation : 1;
    return {picture.format, uprightSize(picture.size, orientation), orientation, picture.hasAlpha};
}

void checkPictureSize(Size stored, std::uint64_t maxPixels, const std::string& format)
{
    if (stored.width <= 0 || stored.height <= 0)
        throw PictureError(PictureFault::Corrupt, format + " picture has no pixels (" +
                                                      std::to_string(stored.width) + " x " +
                                                      std::to_string(stored.height) + ")");
    const auto pixels = static_cast<std::uint64_t>(stored.width) * static_cast<std::uint64_t>(stored.height);
    if (pixels > maxPixels || bitmapBytes(stored.width, stored.height, 4) == 0)
        throw PictureError(PictureFault::TooLarge, format + " picture too large (" +
                                                       std::to_string(stored.width) + " x " +
                                                       std::to_string(stored.height) + " pixels)");
}

Bitmap& rawPictureBitmap()
{
    thread_local Bitmap raw;
    return raw;
}

void finishPicture(const PixelView& raw, bool hasAlpha, int orientation, const DecodeRequest& request,
                   Bitmap& target)
{
    const Size upright = uprightSize({raw.width, raw.height}, orientation);
    const Size size = request.size.value_or(upright);
    target.resize(size.width, size.height, request.bytesPerPixel);
    if (target.empty() || raw.empty())
        return;
    const OrientationMap m = orientationMap(orientation, raw.width, raw.height);
    const bool keepAlpha = request.keepAlpha && request.bytesPerPixel == 4;
    const bool blend = hasAlpha && !keepAlpha;
    const int bpp = request.bytesPerPixel;

    // Upright column of each target column, as the plain stretch takes it.
    std::vector<int> columns(static_cast<std::size_t>(size.width));
    for (int x = 0; x < size.width; ++x)
        columns[x] = static_cast<int>(static_cast<long long>(x) * upright.width / size.width);

    const PixelView out = target.view();
    for (int y = 0; y < size.height; ++y) {
        const int v = static_cast<int>(static_cast<long long>(y) * upright.height / size.height);
        std::uint8_t* o = out.rowData(y);
        for (int x = 0; x < size.width; ++x, o += bpp) {
            const int u = columns[x];
            const std::uint8_t* p = raw.pixel(m.x0 + u * m.xu + v * m.xv, m.y0 + u * m.yu + v * m.yv);
            if (blend) {
                o[0] = overWhite(p[0], p[3]);
                o[1] = overWhite(p[1], p[3]);
                o[2] = overWhite(p[2], p[3]);
            } else {
                o[0] = p[0];
                o[1] = p[1];
                o[2] = p[2];
            }
            if (bpp == 4)
                o[3] = keepAlpha ? (hasAlpha ? p[3] : 255) : 0;
        }
    }
}

} // namespace quiltara::imaging
