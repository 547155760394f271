#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>

namespace quiltara::imaging {

// Portable bitmaps, grey maps and pixmaps: P1 to P6, plain and raw, with
// maximum values up to 65535.
bool looksLikePnm(std::span<const std::uint8_t> file);

StoredPicture readPnmHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);
StoredPicture decodePnm(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

} // namespace quiltara::imaging
