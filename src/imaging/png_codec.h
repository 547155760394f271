#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quiltara::imaging {

bool looksLikePng(std::span<const std::uint8_t> file);

// The stored size, alpha and EXIF orientation (an eXIf chunk) of a PNG.
StoredPicture readPngHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Decodes a PNG of any colour type and depth into raw: 4 bytes per pixel,
// B, G, R, A (255 where the file has no alpha or transparent colour).
StoredPicture decodePng(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

// Encodes the view's blue, green and red as a 24-bit PNG, replacing out.
void encodePng24(const PixelView& pixels, std::vector<std::uint8_t>& out);

} // namespace quiltara::imaging
