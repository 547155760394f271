#pragma once

#include "imaging/bitmap.h"
#include "imaging/geometry.h"
#include "imaging/picture_info.h"

#include <string>

namespace quiltara::imaging {

// What a decoder found in a file: the picture as stored (before its
// orientation is applied) and how to show it.
struct StoredPicture {
    PictureFormat format = PictureFormat::Bmp;
    Size size;           // as stored in the file
    int orientation = 1; // EXIF numbering; values outside 1 ... 8 count as 1
    bool hasAlpha = false;
};

// The size as shown: orientations 5 to 8 swap width and height.
Size uprightSize(Size stored, int orientation);

PictureInfo infoOf(const StoredPicture& picture);

// Refuses a size read from a file, before anything is allocated for it, when
// a side is not positive or the picture would exceed maxPixels or
// kMaxBitmapBytes. Throws PictureError (TooLarge, or Corrupt for an empty
// size) naming the format.
void checkPictureSize(Size stored, std::uint64_t maxPixels, const std::string& format);

// Decoders write their pixels here: 4 bytes per pixel, blue, green, red,
// alpha, in the stored orientation. One bitmap per thread, kept between
// calls so that decoding large photos does not take fresh memory each time.
Bitmap& rawPictureBitmap();

// Brings decoded pixels (4 bytes per pixel, B, G, R, A when hasAlpha) to the
// caller's request: the orientation applied, the plain stretch to the
// requested size, the pixel format, alpha kept or blended over white.
void finishPicture(const PixelView& raw, bool hasAlpha, int orientation, const DecodeRequest& request,
                   Bitmap& target);

} // namespace quiltara::imaging
