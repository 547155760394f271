#pragma once

#include "imaging/bitmap.h"

#include <cstdint>
#include <vector>

namespace quiltara::imaging::testing {

// Small picture files made for the tests, so that no binary fixture has to
// be kept: the EXIF blocks and PNG chunks are assembled byte by byte here,
// independently of the decoders under test.

// A TIFF structure (little-endian) holding one IFD with the Orientation tag.
std::vector<std::uint8_t> tiffOrientationBlock(int orientation);

// A JPEG file with an APP1 "Exif" segment carrying the orientation (0 = no
// EXIF at all).
std::vector<std::uint8_t> jpegWithOrientation(const PixelView& pixels, int quality, int orientation);

// A PNG file (RGB, or RGBA when alpha) with an eXIf chunk carrying the
// orientation (0 = none). The fourth byte of 32-bit pixels is taken as alpha.
std::vector<std::uint8_t> pngWithOrientation(const PixelView& pixels, bool alpha, int orientation);

// A TIFF file (RGB, 8 bits) with the orientation tag set.
std::vector<std::uint8_t> tiffWithOrientation(const PixelView& pixels, int orientation);

// An interlaced GIF of width x height whose row y has colour index y % 4
// (red, green, blue, white), index 3 marked transparent, the frame placed at
// (1, 1) on a screen one pixel larger on every side.
std::vector<std::uint8_t> interlacedGif(int width, int height);

// A picture of 3 x 2 blocks of 16 x 16 pixels in six clearly different
// colours, so that any flip or turn moves colours to recognisable places.
Bitmap blockPicture(int bytesPerPixel);
// The colour (0x00BBGGRR) of block b (0 ... 5, row by row) of blockPicture.
std::uint32_t blockColour(int b);

} // namespace quiltara::imaging::testing
