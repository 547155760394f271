#pragma once

#include "imaging/geometry.h"

#include <optional>

namespace quiltara::imaging {

// The size a large photo is reduced to when it is loaded: above 1.5
// megapixels (width x height x 10^-6 in 32-bit floats) each side is scaled by
// s = sqrt(1.3 / megapixels) and truncated, so the photo keeps about 1.3
// megapixels (3000 x 2000 gives 1396 x 930). Nothing for a photo that stays
// as it is.
std::optional<Size> largePhotoReducedSize(Size photo);

} // namespace quiltara::imaging
