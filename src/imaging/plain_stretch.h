#pragma once

#include "imaging/pixel_view.h"

namespace quiltara::imaging {

// The plain (nearest-neighbour) stretch of the whole source into the whole
// target: target pixel (x, y) takes source column trunc(x * sourceWidth /
// targetWidth) and row trunc(y * sourceHeight / targetHeight), in exact
// integer arithmetic. Converts between 24-bit and 32-bit pixels; between two
// 32-bit views the fourth byte (a stamp's alpha) is carried over, a 24-bit
// source gives 0 there. The views must not overlap.
void plainStretch(const PixelView& source, const PixelView& target);

} // namespace quiltara::imaging
