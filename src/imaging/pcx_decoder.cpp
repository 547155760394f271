#include "imaging/pcx_decoder.h"

#include "imaging/byte_reader.h"
#include "imaging/picture_error.h"

#include <string>
#include <vector>

namespace quiltara::imaging {
namespace {

constexpr std::size_t kHeaderSize = 128;

struct Header {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    int bytesPerLine = 0;
    bool encoded = true;
};

[[noreturn]] void fail(PictureFault fault, const std::string& what)
{
    throw PictureError(fault, "PCX error: " + what);
}

Header readHeader(std::span<const std::uint8_t> file)
{
    if (!looksLikePcx(file))
        fail(PictureFault::WrongFormat, "not a PCX file");
    if (file.size() < kHeaderSize)
        fail(PictureFault::Truncated, "the file ends inside its header");
    ByteReader bytes(file);
    Header h;
    h.encoded = bytes.u8(2) == 1;
    h.bitsPerPixel = bytes.u8(3);
    const int xMin = bytes.le16(4), yMin = bytes.le16(6), xMax = bytes.le16(8), yMax = bytes.le16(10);
    h.planes = bytes.u8(65);
    h.bytesPerLine = bytes.le16(66);
    h.width = xMax - xMin + 1;
    h.height = yMax - yMin + 1;
    const bool supported = (h.bitsPerPixel == 1 && (h.planes == 1 || h.planes == 4)) ||
                           ((h.bitsPerPixel == 2 || h.bitsPerPixel == 4) && h.planes == 1) ||
                           (h.bitsPerPixel == 8 && (h.planes == 1 || h.planes == 3 || h.planes == 4));
    if (!supported)
        fail(PictureFault::UnknownFormat, std::to_string(h.planes) + " planes of " +
                                              std::to_string(h.bitsPerPixel) + " bits are not supported");
    if (h.width > 0 && static_cast<long>(h.bytesPerLine) * 8 < static_cast<long>(h.width) * h.bitsPerPixel)
        fail(PictureFault::Corrupt, "rows are shorter than the picture is wide");
    return h;
}

} // namespace

bool looksLikePcx(std::span<const std::uint8_t> file)
{
    return file.size() >= 4 && file[0] == 0x0A && (file[1] == 0 || (file[1] >= 2 && file[1] <= 5)) &&
           file[2] <= 1 && (file[3] == 1 || file[3] == 2 || file[3] == 4 || file[3] == 8);
}

StoredPicture readPcxHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "PCX");
    return {PictureFormat::Pcx, {h.width, h.height}, 1, h.planes == 4 && h.bitsPerPixel == 8};
}

StoredPicture decodePcx(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "PCX");
    const std::size_t lineBytes = static_cast<std::size_t>(h.bytesPerLine) * h.planes;
    // Every encoded byte stands for at most 63: a file too short for the
    // picture it claims is refused before the pixels are allocated.
    const std::size_t data = file.size() - kHeaderSize;
    if (data * (h.encoded ? 63 : 1) / lineBytes < static_cast<std::size_t>(h.height))
        fail(PictureFault::Truncated, "the data ends before the picture does");

    // The palette: 256 colours after a 0x0C marker at the very end for 8-bit
    // single-plane pictures, else the header's 16 colours.
    std::uint8_t palette[256][3] = {};
    const bool eightBit = h.bitsPerPixel == 8 && h.planes == 1;
    if (eightBit) {
        if (file.size() < kHeaderSize + 769 || file[file.size() - 769] != 0x0C)
            fail(PictureFault::Corrupt, "the 256-colour palette is missing");
        for (int i = 0; i < 256; ++i)
            for (int k = 0; k < 3; ++k)
                palette[i][k] = file[file.size() - 768 + 3 * i + k];
    } else {
        for (int i = 0; i < 16; ++i)
            for (int k = 0; k < 3; ++k)
                palette[i][k] = file[16 + 3 * i + k];
        if (h.bitsPerPixel == 1 && h.planes == 1) {
            // Monochrome: black and white.
            palette[0][0] = palette[0][1] = palette[0][2] = 0;
            palette[1][0] = palette[1][1] = palette[1][2] = 255;
        }
    }
    const std::size_t end = eightBit ? file.size() - 769 : file.size();

    raw.resize(h.width, h.height, 4);
    std::vector<std::uint8_t> line(lineBytes);
    std::size_t in = kHeaderSize;
    int run = 0;
    std::uint8_t runValue = 0;
    for (int y = 0; y < h.height; ++y) {
        // Runs may carry on from one line into the next.
        for (std::size_t i = 0; i < lineBytes; ++i) {
            if (!h.encoded) {
                if (in >= end)
                    fail(PictureFault::Truncated, "the data ends before the picture does");
                line[i] = file[in++];
                continue;
            }
            if (run == 0) {
                if (in >= end)
                    fail(PictureFault::Truncated, "the data ends before the picture does");
                const std::uint8_t b = file[in++];
                if ((b & 0xC0) == 0xC0) {
                    run = b & 0x3F;
                    if (in >= end)
                        fail(PictureFault::Truncated, "the data ends before the picture does");
                    runValue = file[in++];
                } else {
                    run = 1;
                    runValue = b;
                }
                if (run == 0) {
                    --i; // a run of 0 bytes writes nothing
                    continue;
                }
            }
            line[i] = runValue;
            --run;
        }
        std::uint8_t* out = raw.view().rowData(y);
        for (int x = 0; x < h.width; ++x, out += 4) {
            const std::size_t bpl = static_cast<std::size_t>(h.bytesPerLine);
            if (h.bitsPerPixel == 8 && h.planes >= 3) {
                out[0] = line[2 * bpl + x];
                out[1] = line[bpl + x];
                out[2] = line[x];
                out[3] = h.planes == 4 ? line[3 * bpl + x] : 255;
                continue;
            }
            int index = 0;
            if (h.bitsPerPixel == 1) {
                for (int p = 0; p < h.planes; ++p)
                    index |= ((line[p * bpl + x / 8] >> (7 - x % 8)) & 1) << p;
            } else {
                const int bit = x * h.bitsPerPixel;
                index = (line[bit / 8] >> (8 - h.bitsPerPixel - bit % 8)) & ((1 << h.bitsPerPixel) - 1);
            }
            out[0] = palette[index][2];
            out[1] = palette[index][1];
            out[2] = palette[index][0];
            out[3] = 255;
        }
    }
    return {PictureFormat::Pcx, {h.width, h.height}, 1, h.planes == 4 && h.bitsPerPixel == 8};
}

} // namespace quiltara::imaging
