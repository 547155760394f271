#pragma once

#include "imaging/bitmap.h"
#include "imaging/decoded_picture.h"

#include <cstdint>
#include <span>

namespace quiltara::imaging {

// TGA, Photoshop (PSD, the merged picture) and Softimage PIC files, read by
// stb_image.
bool looksLikePsd(std::span<const std::uint8_t> file);
bool looksLikeSoftimagePic(std::span<const std::uint8_t> file);
// TGA files have no signature; this asks stb_image whether the header is a
// plausible one.
bool looksLikeTga(std::span<const std::uint8_t> file);

StoredPicture readStbHeader(std::span<const std::uint8_t> file, PictureFormat format,
                            std::uint64_t maxPixels);
StoredPicture decodeStb(std::span<const std::uint8_t> file, PictureFormat format, std::uint64_t maxPixels,
                        Bitmap& raw);

} // namespace quiltara::imaging
