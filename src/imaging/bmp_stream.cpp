#include "imaging/bmp_stream.h"

#include "imaging/imaging_error.h"

#include <cstring>
#include <string>

namespace quiltara::imaging {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

void writeU32(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

void writeU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Writes the two headers for a bottom-up file and returns its total size.
std::size_t writeHeaders(std::uint8_t* out, int width, int height, int bytesPerPixel)
{
    const auto rowBytes = static_cast<std::size_t>(paddedStride(width, bytesPerPixel));
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
    const std::size_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageBytes;
    std::memset(out, 0, kFileHeaderSize + kInfoHeaderSize);
    out[0] = 'B';
    out[1] = 'M';
    writeU32(out + 2, static_cast<std::uint32_t>(fileSize));
    writeU32(out + 10, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));
    std::uint8_t* info = out + kFileHeaderSize;
    writeU32(info + 0, static_cast<std::uint32_t>(kInfoHeaderSize));
    writeU32(info + 4, static_cast<std::uint32_t>(width));
    writeU32(info + 8, static_cast<std::uint32_t>(height));
    writeU16(info + 12, 1);
    writeU16(info + 14, static_cast<std::uint16_t>(bytesPerPixel * 8));
    writeU32(info + 16, kBiRgb);
    writeU32(info + 20, static_cast<std::uint32_t>(imageBytes));
    writeU32(info + 24, 2835); // 72 DPI
    writeU32(info + 28, 2835);
    return fileSize;
}

std::size_t checkedFileSize(int width, int height, int bytesPerPixel)
{
    const std::size_t bytes = bitmapBytes(width, height, bytesPerPixel);
    if (bytes == 0 && width != 0 && height != 0)
        throw ImagingError("Bitmap size out of range: " + std::to_string(width) + " x " +
                           std::to_string(height));
    return kFileHeaderSize + kInfoHeaderSize + bytes;
}

PixelView viewOf(std::uint8_t* file, const BmpLayout& layout)
{
    const std::ptrdiff_t rowBytes = paddedStride(layout.width, layout.bytesPerPixel);
    std::uint8_t* pixels = file + layout.pixelOffset;
    if (layout.topDown)
        return {pixels, layout.width, layout.height, layout.bytesPerPixel, rowBytes};
    return {pixels + rowBytes * (layout.height - 1), layout.width, layout.height, layout.bytesPerPixel,
            -rowBytes};
}

} // namespace

bool parseBmpLayout(std::span<const std::uint8_t> file, BmpLayout& layout)
{
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return false;
    const std::uint32_t pixelOffset = readU32(file, 10);
    const std::uint32_t infoSize = readU32(file, kFileHeaderSize);
    if (infoSize < kInfoHeaderSize || infoSize > file.size() - kFileHeaderSize)
        return false;
    const auto width = static_cast<std::int32_t>(readU32(file, kFileHeaderSize + 4));
    const auto rawHeight = static_cast<std::int32_t>(readU32(file, kFileHeaderSize + 8));
    const std::uint16_t bitCount = readU16(file, kFileHeaderSize + 14);
    const std::uint32_t compression = readU32(file, kFileHeaderSize + 16);
    if (bitCount != 24 && bitCount != 32)
        return false;
    if (compression == kBiBitfields) {
        // Only the masks that describe plain B, G, R bytes are accepted.
        const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
        if (bitCount != 32 || file.size() < masks + 12 || readU32(file, masks) != 0x00FF0000 ||
            readU32(file, masks + 4) != 0x0000FF00 || readU32(file, masks + 8) != 0x000000FF)
            return false;
    } else if (compression != kBiRgb) {
        return false;
    }
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
        return false;
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const int bytesPerPixel = bitCount / 8;
    const std::size_t imageBytes = bitmapBytes(width, height, bytesPerPixel);
    if (imageBytes == 0 || pixelOffset > file.size() || file.size() - pixelOffset < imageBytes)
        return false;
    layout = {pixelOffset, width, height, bytesPerPixel, rawHeight < 0};
    return true;
}

std::vector<std::uint8_t> encodeBmp(const PixelView& pixels)
{
    std::vector<std::uint8_t> file(checkedFileSize(pixels.width, pixels.height, pixels.bytesPerPixel));
    writeHeaders(file.data(), pixels.width, pixels.height, pixels.bytesPerPixel);
    const BmpLayout layout{kFileHeaderSize + kInfoHeaderSize, pixels.width, pixels.height,
                           pixels.bytesPerPixel, false};
    if (!pixels.empty()) {
        const PixelView target = viewOf(file.data(), layout);
        copyPixels(pixels, target);
        // Zero the row padding so equal pictures give equal files.
        const std::size_t used = static_cast<std::size_t>(pixels.width) * pixels.bytesPerPixel;
        const std::size_t padded = static_cast<std::size_t>(paddedStride(pixels.width, pixels.bytesPerPixel));
        if (padded > used)
            for (int y = 0; y < pixels.height; ++y)
                std::memset(target.rowData(y) + used, 0, padded - used);
    }
    return file;
}

void BmpStream::clear()
{
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_layout = {};
}

PixelView BmpStream::allocate(int width, int height, int bytesPerPixel)
{
    if (bytesPerPixel != 3 && bytesPerPixel != 4)
        throw ImagingError("Unsupported pixel format");
    m_bytes.resize(checkedFileSize(width, height, bytesPerPixel));
    writeHeaders(m_bytes.data(), width, height, bytesPerPixel);
    m_layout = {kFileHeaderSize + kInfoHeaderSize, width, height, bytesPerPixel, false};
    const PixelView view = pixels();
    const std::size_t used = static_cast<std::size_t>(width) * bytesPerPixel;
    const std::size_t padded = static_cast<std::size_t>(paddedStride(width, bytesPerPixel));
    if (padded > used)
        for (int y = 0; y < height; ++y)
            std::memset(view.rowData(y) + used, 0, padded - used);
    return view;
}

void BmpStream::store(const PixelView& source)
{
    copyPixels(source, allocate(source.width, source.height, source.bytesPerPixel));
}

void BmpStream::assignFile(std::vector<std::uint8_t> file)
{
    BmpLayout layout;
    if (!parseBmpLayout(file, layout))
        throw ImagingError("Not a 24-bit or 32-bit uncompressed BMP picture");
    m_bytes = std::move(file);
    m_layout = layout;
}

PixelView BmpStream::pixels() const
{
    if (!hasPicture())
        return {};
    // The view is handed out for reading and, on a stream the caller owns,
    // for writing; the bytes belong to this stream either way.
    return viewOf(const_cast<std::uint8_t*>(m_bytes.data()), m_layout);
}

void BmpStream::loadInto(Bitmap& target, int bytesPerPixel) const
{
    if (!hasPicture())
        throw ImagingError("The image stream is empty");
    target.resize(m_layout.width, m_layout.height, bytesPerPixel);
    copyPixels(pixels(), target.view());
}

} // namespace quiltara::imaging
