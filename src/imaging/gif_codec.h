#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quiltara::imaging {

bool looksLikeGif(std::span<const std::uint8_t> file);

// The size of a GIF's logical screen (grown to its first frame where that
// frame reaches beyond it).
StoredPicture readGifHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Decodes the first frame of a GIF, placed on its logical screen, into raw
// (4 bytes per pixel, B, G, R, A). Transparent pixels and screen area that
// the frame does not cover are white with alpha 0.
StoredPicture decodeGif(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw);

// Encodes the view's pixels as a GIF of one frame with a palette of at most
// 256 colours optimised for this picture (libimagequant), replacing out.
void encodeGif(const PixelView& pixels, std::vector<std::uint8_t>& out);

} // namespace quiltara::imaging
