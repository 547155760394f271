#pragma once

namespace quiltara::imaging {

// The working pixel format: every off-screen and intermediate bitmap of the
// program uses it so that copies between them need no conversion. It is
// chosen once at start-up from the display (24-bit pixels on a 24-bit display,
// 32-bit pixels otherwise) and may be set by tests.
int workingBytesPerPixel();
void setWorkingBytesPerPixel(int bytesPerPixel);

// The rule by which the display's depth chooses the format.
constexpr int bytesPerPixelForDisplayDepth(int bitsPerPixel)
{
    return bitsPerPixel == 24 ? 3 : 4;
}

} // namespace quiltara::imaging
