#pragma once

#include "imaging/geometry.h"
#include "imaging/pixel_view.h"

#include <cstdint>

namespace quiltara::imaging {

// Rotates the picture in place by angle degrees about its centre; the size
// does not change. A positive angle turns it counter-clockwise as seen on
// screen. Uncovered pixels, and the last column and row of the source area,
// get background (0x00BBGGRR) exactly. With antialias each pixel is the
// bilinear blend of its four source neighbours, else the nearest one to the
// lower left. A 32-bit picture gets 0 in the fourth byte. Returns false when
// the view holds no pixels.
bool RotateBitmapByAngle(const PixelView& bitmap, int angle, std::uint32_t background, bool antialias);

// The size of the axis-aligned box (0, 0, width, height) that holds a
// width x height rectangle rotated by angle degrees, each corner coordinate
// rounded up before the extents are taken.
Size RotatedBounds(Size rect, int angle);

} // namespace quiltara::imaging
