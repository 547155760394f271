#pragma once

#include <cstdint>
#include <span>

namespace quiltara::imaging {

// The Orientation tag (1 ... 8) of an EXIF block, read with libexif. The
// block is a JPEG APP1 payload ("Exif\0\0" and a TIFF structure) or, as a PNG
// eXIf chunk holds it, the TIFF structure alone. Anything unreadable, absent
// or out of range gives 1 (stored upright).
int exifOrientation(std::span<const std::uint8_t> block);

} // namespace quiltara::imaging
