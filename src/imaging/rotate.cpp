#include "imaging/rotate.h"

#include "imaging/bitmap.h"
#include "imaging/parallel_rows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <immintrin.h>
#include <numbers>

// Coordinates here count rows from the bottom of the picture, as the rotation
// is defined: row 0 is the bottom row. The sample position of every output
// pixel is computed in 32-bit floats, operation by operation, and the blend
// is four-lane float arithmetic per pixel (blue, green, red, fourth byte), so
// every lane does what a plain per-channel loop would do.

namespace quiltara::imaging {
namespace {

struct Rotation {
    PixelView source; // 32-bit copy, bottom-up
    PixelView target; // the caller's pixels, bottom-up
    float s = 0;
    float c = 0;
    int cx = 0;
    int cy = 0;
    std::uint8_t background[4] = {};
    bool antialias = true;
};

// A bottom-up view onto the same pixels.
PixelView bottomUp(const PixelView& view)
{
    PixelView flipped = view;
    flipped.data = view.data + (view.height - 1) * view.stride;
    flipped.stride = -view.stride;
    return flipped;
}

Bitmap& sourceCopy()
{
    thread_local Bitmap copy;
    return copy;
}

inline void storePixel(std::uint8_t* out, const std::uint8_t* pixel, int bytesPerPixel)
{
    out[0] = pixel[0];
    out[1] = pixel[1];
    out[2] = pixel[2];
    if (bytesPerPixel == 4)
        out[3] = 0;
}

inline __m128 loadPixel(const std::uint8_t* p)
{
    std::int32_t bits;
    std::memcpy(&bits, p, 4);
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(bits), _mm_setzero_si128()),
                                              _mm_setzero_si128()));
}

void rotateRows(const Rotation& r, int firstRow, int lastRow)
{
    const int width = r.source.width;
    const int height = r.source.height;
    const int bpp = r.target.bytesPerPixel;
    const float cxf = static_cast<float>(r.cx);
    const float cyf = static_cast<float>(r.cy);
    const __m128 half = _mm_set1_ps(0.5f);
    for (int y = firstRow; y < lastRow; ++y) {
        const float dy = static_cast<float>(y - r.cy);
        const float dyS = dy * r.s;
        const float dyC = dy * r.c;
        std::uint8_t* out = r.target.rowData(y);
        for (int x = 0; x < width; ++x, out += bpp) {
            const float dx = static_cast<float>(x - r.cx);
            const float xs = cxf + dx * r.c - dyS;
            const float ys = cyf + dx * r.s + dyC;
            const int ix = static_cast<int>(xs);
            const int iy = static_cast<int>(ys);
            if (ix < 0 || ix >= width - 1 || iy < 0 || iy >= height - 1) {
                storePixel(out, r.background, bpp);
                continue;
            }
            const std::uint8_t* p00 = r.source.pixel(ix, iy);
            if (!r.antialias) {
                storePixel(out, p00, bpp);
                continue;
            }
            const std::uint8_t* p01 = r.source.pixel(ix, iy + 1);
            const float fx = xs - static_cast<float>(ix);
            const float fy = ys - static_cast<float>(iy);
            const float w00 = (1.0f - fx) * (1.0f - fy);
            const float w10 = fx * (1.0f - fy);
            const float w01 = (1.0f - fx) * fy;
            const float w11 = fx * fy;
            __m128 sum = _mm_mul_ps(_mm_set1_ps(w00), loadPixel(p00));
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w10), loadPixel(p00 + 4)));
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w01), loadPixel(p01)));
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w11), loadPixel(p01 + 4)));
            // trunc(sum + 0.5), then clamped to 0 ... 255 by the saturating packs.
            const __m128i v = _mm_cvttps_epi32(_mm_add_ps(sum, half));
            const __m128i words = _mm_packs_epi32(v, v);
            const auto packed = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
            out[0] = static_cast<std::uint8_t>(packed);
            out[1] = static_cast<std::uint8_t>(packed >> 8);
            out[2] = static_cast<std::uint8_t>(packed >> 16);
            if (bpp == 4)
                out[3] = 0;
        }
    }
}

constexpr int kMinRowsPerBand = 64;

} // namespace

bool RotateBitmapByAngle(const PixelView& bitmap, int angle, std::uint32_t background, bool antialias)
{
    if (bitmap.empty() || !bitmap.data || (bitmap.bytesPerPixel != 3 && bitmap.bytesPerPixel != 4))
        return false;
    Bitmap& copy = sourceCopy();
    copy.resize(bitmap.width, bitmap.height, 4);
    copyPixels(bitmap, copy.view());

    const double theta = -static_cast<double>(angle) * std::numbers::pi / 180.0;
    Rotation r;
    r.source = bottomUp(copy.view());
    r.target = bottomUp(bitmap);
    r.s = static_cast<float>(std::sin(theta));
    r.c = static_cast<float>(std::cos(theta));
    r.cx = bitmap.width / 2;
    r.cy = bitmap.height / 2;
    r.background[0] = static_cast<std::uint8_t>(background >> 16);
    r.background[1] = static_cast<std::uint8_t>(background >> 8);
    r.background[2] = static_cast<std::uint8_t>(background);
    r.background[3] = 0;
    r.antialias = antialias;
    parallelRows(bitmap.height, kMinRowsPerBand,
                 [&](int, int first, int last) { rotateRows(r, first, last); });
    return true;
}

Size RotatedBounds(Size rect, int angle)
{
    const double a = static_cast<double>(angle) * std::numbers::pi / 180.0;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    const double xs[4] = {0.0, static_cast<double>(rect.width), static_cast<double>(rect.width), 0.0};
    const double ys[4] = {0.0, 0.0, static_cast<double>(rect.height), static_cast<double>(rect.height)};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        const double x = std::ceil(xs[i] * cosA - ys[i] * sinA);
        const double y = std::ceil(xs[i] * sinA + ys[i] * cosA);
        minX = i == 0 ? x : std::min(minX, x);
        maxX = i == 0 ? x : std::max(maxX, x);
        minY = i == 0 ? y : std::min(minY, y);
        maxY = i == 0 ? y : std::max(maxY, y);
    }
    return {static_cast<int>(std::fabs(maxX - minX)), static_cast<int>(std::fabs(maxY - minY))};
}

} // namespace quiltara::imaging
