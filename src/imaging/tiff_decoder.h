#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>

namespace quiltara::imaging {

bool looksLikeTiff(std::span<const std::uint8_t> file);

// The size and orientation tag of a TIFF's first page.
StoredPicture readTiffHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Decodes the first page of a TIFF (any photometric interpretation libtiff
// turns into RGBA) into raw, rows in stored order: the orientation tag is
// left to the caller, as for EXIF.
StoredPicture decodeTiff(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

} // namespace quiltara::imaging
