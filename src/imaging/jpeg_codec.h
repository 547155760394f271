#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"
#include "imaging/picture_info.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quiltara::imaging {

// The stored size and EXIF orientation of a JPEG, from its headers alone.
StoredPicture readJpegHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels);

// Decodes a JPEG into target as the request says. With a requested size the
// library's DCT scaling (M/8 for M = 1 ... 8) decodes at the smallest size
// not below it, and the plain stretch does the rest. Failures are
// PictureErrors reading "JPEG error #" and a code (see picture_error.h).
StoredPicture decodeJpeg(std::span<const std::uint8_t> file, const DecodeRequest& request, Bitmap& target);

// Encodes the view's pixels as a baseline JPEG of the given quality (0 ...
// 100, libjpeg's scale), replacing the contents of out. Reusing out between
// calls keeps its memory.
void encodeJpeg(const PixelView& pixels, int quality, std::vector<std::uint8_t>& out);

} // namespace quiltara::imaging
