#include "imaging/bmp_decoder.h"

#include "imaging/byte_reader.h"
#include "imaging/picture_error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

namespace quiltara::imaging {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kAlphaBitfields = 6;

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::popcount(m >> shift);
        }
    }
    std::uint8_t value(std::uint32_t pixel) const
    {
        if (!mask)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<std::uint8_t>(v >> (bits - 8));
        const std::uint32_t top = (1u << bits) - 1;
        return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t pixelOffset = 0;
    Channel red, green, blue, alpha;
    std::vector<std::array<std::uint8_t, 4>> palette; // B, G, R, unused
};

[[noreturn]] void fail(PictureFault fault, const std::string& what)
{
    throw PictureError(fault, "BMP error: " + what);
}

Header readHeader(std::span<const std::uint8_t> file)
{
    ByteReader bytes(file);
    if (!looksLikeBmp(file))
        fail(PictureFault::WrongFormat, "not a BMP file");
    Header h;
    h.pixelOffset = bytes.le32(10);
    const std::uint32_t infoSize = bytes.le32(14);
    if (infoSize == 12) {
        h.width = bytes.le16(18);
        h.height = bytes.le16(20);
        h.bitCount = bytes.le16(24);
    } else if (infoSize >= 40 && infoSize <= 4096) {
        h.width = static_cast<std::int32_t>(bytes.le32(18));
        const auto height = static_cast<std::int32_t>(bytes.le32(22));
        h.topDown = height < 0;
        h.height = height == INT32_MIN ? -1 : (height < 0 ? -height : height);
        h.bitCount = bytes.le16(28);
        h.compression = bytes.le32(30);
    } else {
        fail(PictureFault::Corrupt, "unknown header size " + std::to_string(infoSize));
    }
    if (bytes.overrun())
        fail(PictureFault::Truncated, "the file ends inside its header");

    std::size_t afterHeader = 14 + static_cast<std::size_t>(infoSize);
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
        // The masks follow a 40-byte header, or are part of a longer one.
        const std::size_t masks = 54;
        h.red = Channel(bytes.le32(masks));
        h.green = Channel(bytes.le32(masks + 4));
        h.blue = Channel(bytes.le32(masks + 8));
        if (h.compression == kAlphaBitfields || infoSize >= 56)
            h.alpha = Channel(bytes.le32(masks + 12));
        if (infoSize == 40)
            afterHeader += h.compression == kAlphaBitfields ? 16 : 12;
        if (bytes.overrun())
            fail(PictureFault::Truncated, "the file ends inside its colour masks");
    } else if (h.bitCount == 16) {
        h.red = Channel(0x7C00);
        h.green = Channel(0x03E0);
        h.blue = Channel(0x001F);
    } else if (h.bitCount == 32) {
        h.red = Channel(0x00FF0000);
        h.green = Channel(0x0000FF00);
        h.blue = Channel(0x000000FF);
        if (infoSize >= 56)
            h.alpha = Channel(bytes.le32(66));
    }

    const bool paletted = h.bitCount == 1 || h.bitCount == 2 || h.bitCount == 4 || h.bitCount == 8;
    const bool supported =
        (h.compression == kRgb && (paletted || h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32)) ||
        (h.compression == kRle8 && h.bitCount == 8) || (h.compression == kRle4 && h.bitCount == 4) ||
        ((h.compression == kBitfields || h.compression == kAlphaBitfields) &&
         (h.bitCount == 16 || h.bitCount == 32));
    if (!supported)
        fail(PictureFault::UnknownFormat, std::to_string(h.bitCount) + "-bit pictures with compression " +
                                              std::to_string(h.compression) + " are not supported");
    if (paletted) {
        const std::uint32_t used = infoSize >= 40 ? bytes.le32(46) : 0;
        const std::size_t count = used == 0 || used > (1u << h.bitCount) ? (1u << h.bitCount) : used;
        const std::size_t entry = infoSize == 12 ? 3 : 4;
        // A short palette gives black for the indices it lacks.
        h.palette.assign(std::size_t{1} << h.bitCount, {0, 0, 0, 0});
        for (std::size_t i = 0; i < count && bytes.has(afterHeader + i * entry, 3); ++i) {
            const auto p = bytes.bytes(afterHeader + i * entry, 3);
            h.palette[i] = {p[0], p[1], p[2], 0};
        }
    }
    return h;
}

std::size_t rowBytes(const Header& h)
{
    return (static_cast<std::size_t>(h.width) * h.bitCount + 31) / 32 * 4;
}

// Palette indices of an RLE picture, bottom-up as stored; pixels the stream
// skips keep index 0.
std::vector<std::uint8_t> decodeRle(std::span<const std::uint8_t> data, const Header& h)
{
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(h.width) * h.height, 0);
    const bool four = h.compression == kRle4;
    std::size_t i = 0;
    int x = 0, y = 0;
    // Pixels past the right edge are dropped; x never passes the width.
    const auto put = [&](int value) {
        if (x < h.width) {
            indices[static_cast<std::size_t>(y) * h.width + x] = static_cast<std::uint8_t>(value);
            ++x;
        }
    };
    while (i + 1 < data.size() && y < h.height) {
        const int count = data[i];
        const int value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? (k % 2 == 0 ? value >> 4 : value & 15) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= data.size())
                break;
            x = std::min(x + data[i], h.width);
            y += data[i + 1];
            i += 2;
        } else {
            // An absolute run of value pixels, padded to a 16-bit boundary.
            const std::size_t length = four ? (static_cast<std::size_t>(value) + 1) / 2 : value;
            for (int k = 0; k < value && i + (four ? k / 2 : k) < data.size(); ++k) {
                const std::uint8_t b = data[i + (four ? k / 2 : k)];
                put(four ? (k % 2 == 0 ? b >> 4 : b & 15) : b);
            }
            i += (length + 1) / 2 * 2;
        }
    }
    return indices;
}

} // namespace

bool looksLikeBmp(std::span<const std::uint8_t> file)
{
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

StoredPicture readBmpHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "BMP");
    return {PictureFormat::Bmp, {h.width, h.height}, 1, h.alpha.mask != 0};
}

StoredPicture decodeBmp(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "BMP");
    if (h.pixelOffset >= file.size())
        fail(PictureFault::Truncated, "the file ends before its pixels");
    const std::span<const std::uint8_t> data = file.subspan(h.pixelOffset);
    const std::size_t stride = rowBytes(h);
    const bool rle = h.compression == kRle4 || h.compression == kRle8;
    if (!rle && data.size() / stride < static_cast<std::size_t>(h.height))
        fail(PictureFault::Truncated, "the file ends before its last row");

    raw.resize(h.width, h.height, 4);
    const std::vector<std::uint8_t> rleIndices = rle ? decodeRle(data, h) : std::vector<std::uint8_t>{};
    bool anyAlpha = false;
    for (int y = 0; y < h.height; ++y) {
        const int stored = h.topDown && !rle ? y : h.height - 1 - y;
        const std::uint8_t* in = rle ? nullptr : data.data() + static_cast<std::size_t>(stored) * stride;
        std::uint8_t* out = raw.view().rowData(y);
        for (int x = 0; x < h.width; ++x, out += 4) {
            if (!h.palette.empty()) {
                int index;
                if (rle) {
                    index = rleIndices[static_cast<std::size_t>(stored) * h.width + x];
                } else {
                    const std::size_t bit = static_cast<std::size_t>(x) * h.bitCount;
                    index = (in[bit / 8] >> (8 - h.bitCount - bit % 8)) & ((1 << h.bitCount) - 1);
                }
                const auto& c = h.palette[index];
                out[0] = c[0];
                out[1] = c[1];
                out[2] = c[2];
                out[3] = 255;
            } else if (h.bitCount == 24) {
                std::memcpy(out, in + 3 * x, 3);
                out[3] = 255;
            } else {
                const std::uint32_t pixel = h.bitCount == 16
                                                ? static_cast<std::uint32_t>(in[2 * x] | in[2 * x + 1] << 8)
                                                : static_cast<std::uint32_t>(in[4 * x]) | in[4 * x + 1] << 8 |
                                                      in[4 * x + 2] << 16 |
                                                      static_cast<std::uint32_t>(in[4 * x + 3]) << 24;
                out[0] = h.blue.value(pixel);
                out[1] = h.green.value(pixel);
                out[2] = h.red.value(pixel);
                out[3] = h.alpha.mask ? h.alpha.value(pixel) : 255;
                anyAlpha = anyAlpha || out[3] != 0;
            }
        }
    }
    // Many writers leave the alpha bytes at 0: such a picture is opaque.
    const bool hasAlpha = h.alpha.mask != 0 && anyAlpha;
    if (h.alpha.mask != 0 && !anyAlpha)
        for (int y = 0; y < h.height; ++y)
            for (int x = 0; x < h.width; ++x)
                raw.view().pixel(x, y)[3] = 255;
    return {PictureFormat::Bmp, {h.width, h.height}, 1, hasAlpha};
}

} // namespace quiltara::imaging
