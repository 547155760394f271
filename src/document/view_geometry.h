#pragma once

#include "document/records.h"

namespace quiltara::document {

// Collage pixels times the zoom, as a 32-bit float product with the fraction
// dropped: 1000 x 0.76 is 760, because the product is rounded to a float
// before it is cut.
inline int zoomTrunc(int value, float zoom)
{
    return static_cast<int>(static_cast<float>(value) * zoom);
}

// Canvas pixels back to collage pixels, the same way.
inline int unzoomTrunc(int value, float zoom)
{
    return static_cast<int>(static_cast<float>(value) / zoom);
}

// A collage rectangle on the canvas: the width and height are scaled, not
// the right and bottom edges, so adjacent objects keep their scaled widths.
Rect32 ToScreenRect(const Rect32& collageRect, float zoom);
// The inverse, by division, with the same truncation and width-first rule.
Rect32 ToCollageRect(const Rect32& canvasRect, float zoom);

} // namespace quiltara::document
