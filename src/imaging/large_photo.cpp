#include "imaging/large_photo.h"

#include <algorithm>
#include <cmath>

namespace quiltara::imaging {

std::optional<Size> largePhotoReducedSize(Size photo)
{
    const float megapixels = static_cast<float>(static_cast<long long>(photo.width) * photo.height) * 1.0e-6f;
    if (!(megapixels > 1.5f))
        return std::nullopt;
    // Scaling both sides by 1.3 / megapixels would shrink the area by its
    // square (a 12-megapixel photo to 0.14); the square root keeps the area
    // at 1.3 megapixels.
    const float s = std::sqrt(1.3f / megapixels);
    const int width = static_cast<int>(static_cast<float>(photo.width) * s);
    const int height = static_cast<int>(static_cast<float>(photo.height) * s);
    return Size{std::max(width, 1), std::max(height, 1)};
}

} // namespace quiltara::imaging
