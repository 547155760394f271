#pragma once

#include "imaging/bitmap.h"
#include "imaging/pixel_view.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quiltara::imaging {

// Where the pixels of a 24- or 32-bit uncompressed BMP file lie.
struct BmpLayout {
    std::size_t pixelOffset = 0;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    bool topDown = false; // a negative height in the file
};

// Reads the headers of a BMP file holding 24-bit or 32-bit uncompressed
// pixels (BI_RGB, or BI_BITFIELDS with the standard masks). Returns false for
// anything else, for sizes that do not fit the bytes present, and for
// dimensions above kMaxBitmapBytes. Never reads outside the span.
bool parseBmpLayout(std::span<const std::uint8_t> file, BmpLayout& layout);

// A complete BMP file (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows
// padded to four bytes) holding the view's pixels in the view's format.
std::vector<std::uint8_t> encodeBmp(const PixelView& pixels);

// An image held as a BMP file in memory. The object records keep their cached
// images this way. A stream may be empty (no bytes at all), which is what a
// freshly created stream is; pixels are reached through a view onto the
// file's rows without copying.
class BmpStream {
public:
    BmpStream() = default;

    bool empty() const { return m_bytes.empty(); }
    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    void clear();

    // Makes the stream a BMP file of that size and format and returns a
    // top-down view onto its rows for the caller to fill.
    PixelView allocate(int width, int height, int bytesPerPixel);
    // Saves the pixels of a view into the stream, replacing what it held.
    void store(const PixelView& pixels);
    // Takes the bytes of a BMP file. Throws ImagingError when they are not a
    // 24- or 32-bit uncompressed BMP; the stream is unchanged then.
    void assignFile(std::vector<std::uint8_t> file);

    // True when the stream holds a picture (it is not empty).
    bool hasPicture() const { return m_layout.width > 0; }
    int width() const { return m_layout.width; }
    int height() const { return m_layout.height; }
    int bytesPerPixel() const { return m_layout.bytesPerPixel; }

    // A top-down view onto the stream's pixels; empty when the stream is.
    PixelView pixels() const;
    // Loads the picture into a bitmap of the given format (3 or 4 bytes per
    // pixel), reusing the bitmap's memory. Throws ImagingError when the
    // stream is empty.
    void loadInto(Bitmap& target, int bytesPerPixel) const;

private:
    std::vector<std::uint8_t> m_bytes;
    BmpLayout m_layout;
};

} // namespace quiltara::imaging
