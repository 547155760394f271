#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>

namespace quiltara::imaging {

bool looksLikeBmp(std::span<const std::uint8_t> file);

StoredPicture readBmpHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Decodes a BMP file as other programs write them: OS/2 and Windows headers
// (12 to 124 bytes), 1, 2, 4 and 8 bits with a palette, RLE4 and RLE8, 16
// and 32 bits with bit fields, 24 bits; bottom-up and top-down. 32-bit
// pictures with an alpha mask keep their alpha unless it is 0 everywhere.
StoredPicture decodeBmp(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

} // namespace quiltara::imaging
