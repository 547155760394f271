#pragma once

#include "imaging/pixel_view.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quiltara::imaging {

// The largest pixel buffer the program allocates. Sizes come from files and
// from the user, so they are checked before any memory is taken.
inline constexpr std::size_t kMaxBitmapBytes = std::size_t{1} << 30;

// An owned, top-down pixel buffer with rows padded to four bytes, in blue,
// green, red (, unused) order. Resizing keeps the allocation when it is large
// enough, so working bitmaps that are reused between calls do not touch fresh
// memory each time.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, int bytesPerPixel);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // Changes the size and format. The content is undefined afterwards.
    // Throws ImagingError for a negative size or one above kMaxBitmapBytes.
    void resize(int width, int height, int bytesPerPixel);
    // Frees the pixels; the bitmap becomes 0 x 0.
    void release();

    int width() const { return m_width; }
    int height() const { return m_height; }
    int bytesPerPixel() const { return m_bytesPerPixel; }
    std::ptrdiff_t stride() const { return m_stride; }
    bool empty() const { return m_width == 0 || m_height == 0; }

    PixelView view() const { return {m_pixels.get(), m_width, m_height, m_bytesPerPixel, m_stride}; }
    std::uint8_t* data() const { return m_pixels.get(); }
    std::size_t sizeInBytes() const { return static_cast<std::size_t>(m_stride) * m_height; }

    // Fills every pixel with a colour given as 0x00BBGGRR; the fourth byte of
    // 32-bit pixels becomes 0.
    void fill(std::uint32_t colour);

private:
    std::unique_ptr<std::uint8_t[]> m_pixels;
    std::size_t m_capacity = 0;
    int m_width = 0;
    int m_height = 0;
    int m_bytesPerPixel = 4;
    std::ptrdiff_t m_stride = 0;
};

// Bytes a width x height bitmap of that format takes, or 0 when the size is
// negative or above kMaxBitmapBytes.
std::size_t bitmapBytes(int width, int height, int bytesPerPixel);

// Copies the pixels of one view into another of the same size, converting
// between 24-bit and 32-bit pixels (a 32-bit target gets 0 in the fourth byte).
void copyPixels(const PixelView& source, const PixelView& target);

// Fills a view with a colour 0x00BBGGRR.
void fillPixels(const PixelView& target, std::uint32_t colour);

} // namespace quiltara::imaging
