#include "imaging/bitmap.h"

#include "imaging/imaging_error.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace quiltara::imaging {

std::size_t bitmapBytes(int width, int height, int bytesPerPixel)
{
    if (width < 0 || height < 0 || (bytesPerPixel != 3 && bytesPerPixel != 4))
        return 0;
    const auto bytes = static_cast<unsigned long long>(paddedStride(width, bytesPerPixel)) *
                       static_cast<unsigned long long>(height);
    return bytes > kMaxBitmapBytes ? 0 : static_cast<std::size_t>(bytes);
}

Bitmap::Bitmap(int width, int height, int bytesPerPixel)
{
    resize(width, height, bytesPerPixel);
}

Bitmap::Bitmap(const Bitmap& other)
{
    *this = other;
}

Bitmap& Bitmap::operator=(const Bitmap& other)
{
    if (this != &other) {
        resize(other.m_width, other.m_height, other.m_bytesPerPixel);
        if (sizeInBytes() > 0)
            std::memcpy(m_pixels.get(), other.m_pixels.get(), sizeInBytes());
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
{
    *this = std::move(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this != &other) {
        m_pixels = std::move(other.m_pixels);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_bytesPerPixel = other.m_bytesPerPixel;
        m_stride = std::exchange(other.m_stride, 0);
    }
    return *this;
}

void Bitmap::resize(int width, int height, int bytesPerPixel)
{
    if (bytesPerPixel != 3 && bytesPerPixel != 4)
        throw ImagingError("Unsupported pixel format: " + std::to_string(bytesPerPixel * 8) + " bits");
    const std::size_t bytes = bitmapBytes(width, height, bytesPerPixel);
    if (bytes == 0 && width != 0 && height != 0)
        throw ImagingError("Bitmap size out of range: " + std::to_string(width) + " x " +
                           std::to_string(height));
    if (bytes > m_capacity) {
        m_pixels = std::make_unique_for_overwrite<std::uint8_t[]>(bytes);
        m_capacity = bytes;
    }
    m_width = width;
    m_height = height;
    m_bytesPerPixel = bytesPerPixel;
    m_stride = paddedStride(width, bytesPerPixel);
}

void Bitmap::release()
{
    m_pixels.reset();
    m_capacity = 0;
    m_width = 0;
    m_height = 0;
    m_stride = 0;
}

void Bitmap::fill(std::uint32_t colour)
{
    fillPixels(view(), colour);
}

void fillPixels(const PixelView& target, std::uint32_t colour)
{
    const auto red = static_cast<std::uint8_t>(colour & 0xFF);
    const auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    const auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    if (target.empty())
        return;
    // Build one row, then copy it to the others.
    std::uint8_t* first = target.rowData(0);
    const int bpp = target.bytesPerPixel;
    for (int x = 0; x < target.width; ++x) {
        std::uint8_t* p = first + static_cast<std::ptrdiff_t>(x) * bpp;
        p[0] = blue;
        p[1] = green;
        p[2] = red;
        if (bpp == 4)
            p[3] = 0;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(target.width) * bpp;
    for (int y = 1; y < target.height; ++y)
        std::memcpy(target.rowData(y), first, rowBytes);
}

void copyPixels(const PixelView& source, const PixelView& target)
{
    const int width = std::min(source.width, target.width);
    const int height = std::min(source.height, target.height);
    if (width <= 0 || height <= 0)
        return;
    if (source.bytesPerPixel == target.bytesPerPixel) {
        const std::size_t rowBytes = static_cast<std::size_t>(width) * source.bytesPerPixel;
        for (int y = 0; y < height; ++y)
            std::memmove(target.rowData(y), source.rowData(y), rowBytes);
        return;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = source.rowData(y);
        std::uint8_t* t = target.rowData(y);
        for (int x = 0; x < width; ++x) {
            t[0] = s[0];
            t[1] = s[1];
            t[2] = s[2];
            if (target.bytesPerPixel == 4)
                t[3] = 0;
            s += source.bytesPerPixel;
            t += target.bytesPerPixel;
        }
    }
}

} // namespace quiltara::imaging
