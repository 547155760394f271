#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>

namespace quiltara::imaging {

// ZSoft PCX: 1-bit (1 or 4 planes), 2- and 4-bit with the header's 16-colour
// palette, 8-bit with the 256-colour palette at the end, 24-bit (3 planes)
// and 32-bit (4 planes, the fourth alpha); run-length encoded or plain.
bool looksLikePcx(std::span<const std::uint8_t> file);

StoredPicture readPcxHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);
StoredPicture decodePcx(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

} // namespace quiltara::imaging
