#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quiltara::imaging {

// A window onto pixels that someone else owns: a Bitmap, a BMP stream, a
// QImage, a decoder's output. Rows may be padded and may run bottom-up (a
// negative stride, as in a BMP file), so step by stride, never by
// width * bytesPerPixel. Bytes run blue, green, red (, unused).
struct PixelView {
    std::uint8_t* data = nullptr; // first byte of row 0 (the top row)
    int width = 0;
    int height = 0;
    int bytesPerPixel = 4;     // 3 or 4
    std::ptrdiff_t stride = 0; // bytes from one row to the next

    bool empty() const { return width <= 0 || height <= 0; }

    std::uint8_t* rowData(int y) const
    {
        assert(y >= 0 && y < height);
        return data + y * stride;
    }

    std::span<std::uint8_t> row(int y) const
    {
        return {rowData(y), static_cast<std::size_t>(width) * static_cast<std::size_t>(bytesPerPixel)};
    }

    std::uint8_t* pixel(int x, int y) const
    {
        assert(x >= 0 && x < width);
        return rowData(y) + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
    }
};

// Bytes per row of a bitmap: rows are padded to four bytes, as BMP files and
// QImage keep them.
constexpr std::ptrdiff_t paddedStride(int width, int bytesPerPixel)
{
    return (static_cast<std::ptrdiff_t>(width) * bytesPerPixel + 3) & ~std::ptrdiff_t{3};
}

} // namespace quiltara::imaging
