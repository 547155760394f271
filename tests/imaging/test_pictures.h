#pragma once

#include "imaging/bitmap.h"

#include <cstdint>
#include <random>

namespace quiltara::imaging::testing {

// A bitmap of seeded random bytes, row padding included, so that a kernel
// reading or writing the wrong bytes shows up and a failure comes back the
// same on every run.
inline Bitmap randomBitmap(int width, int height, int bytesPerPixel, std::uint32_t seed)
{
    Bitmap bitmap(width, height, bytesPerPixel);
    std::mt19937 rng(seed);
    for (std::size_t i = 0; i < bitmap.sizeInBytes(); ++i)
        bitmap.data()[i] = static_cast<std::uint8_t>(rng());
    return bitmap;
}

// The pixel bytes of a view, row by row, without padding.
inline std::vector<std::uint8_t> pixelBytes(const PixelView& view)
{
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < view.height; ++y) {
        const auto row = view.row(y);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

} // namespace quiltara::imaging::testing
