#pragma once

namespace quiltara::app {

// Bits per pixel that a screen of the given colour depth stores: X11 and
// Wayland keep 24-bit and 30-bit colour in 32-bit pixels, 15-bit colour in
// 16-bit pixels. What the working pixel format and the colour note look at.
constexpr int storageBitsPerPixel(int depth)
{
    if (depth > 16)
        return 32;
    if (depth == 15)
        return 16;
    return depth;
}

} // namespace quiltara::app
