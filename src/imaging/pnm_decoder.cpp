#include "imaging/pnm_decoder.h"

#include "imaging/picture_error.h"

#include <string>

namespace quiltara::imaging {
namespace {

bool isSpace(std::uint8_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

// Reads the header and the plain (ASCII) samples: numbers separated by white
// space, '#' starting a comment up to the end of the line.
class Tokens {
public:
    explicit Tokens(std::span<const std::uint8_t> file, std::size_t position = 0)
        : m_file(file), m_position(position)
    {}

    std::size_t position() const { return m_position; }

    void skipSpace()
    {
        while (m_position < m_file.size()) {
            if (m_file[m_position] == '#') {
                while (m_position < m_file.size() && m_file[m_position] != '\n' && m_file[m_position] != '\r')
                    ++m_position;
            } else if (isSpace(m_file[m_position])) {
                ++m_position;
            } else {
                return;
            }
        }
    }

    // The next number, or -1 when there is none. Values above 2^30 are
    // refused rather than overflowing.
    long number()
    {
        skipSpace();
        if (m_position >= m_file.size() || !isDigit(m_file[m_position]))
            return -1;
        long value = 0;
        while (m_position < m_file.size() && isDigit(m_file[m_position])) {
            value = value * 10 + (m_file[m_position++] - '0');
            if (value > (1L << 30))
                return -1;
        }
        return value;
    }

    // One plain bitmap digit: P1 allows "0" and "1" without spaces between.
    int bit()
    {
        skipSpace();
        if (m_position >= m_file.size())
            return -1;
        const std::uint8_t c = m_file[m_position++];
        return c == '0' ? 0 : c == '1' ? 1 : -1;
    }

private:
    std::span<const std::uint8_t> m_file;
    std::size_t m_position;
};

struct Header {
    int kind = 0; // 1 ... 6
    int width = 0;
    int height = 0;
    int maxValue = 1;
    std::size_t dataStart = 0;
};

[[noreturn]] void fail(PictureFault fault, const std::string& what)
{
    throw PictureError(fault, "PNM error: " + what);
}

Header readHeader(std::span<const std::uint8_t> file)
{
    if (!looksLikePnm(file))
        fail(PictureFault::WrongFormat, "not a portable bitmap, grey map or pixmap");
    Header h;
    h.kind = file[1] - '0';
    Tokens tokens(file, 2);
    const long width = tokens.number();
    const long height = tokens.number();
    const long maxValue = h.kind == 1 || h.kind == 4 ? 1 : tokens.number();
    if (width < 0 || height < 0 || maxValue < 0)
        fail(file.size() < 16 ? PictureFault::Truncated : PictureFault::Corrupt, "incomplete header");
    if (maxValue < 1 || maxValue > 65535)
        fail(PictureFault::Corrupt, "maximum value " + std::to_string(maxValue) + " out of range");
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);
    h.maxValue = static_cast<int>(maxValue);
    // Raw samples start after exactly one white-space byte.
    h.dataStart = tokens.position() + 1;
    return h;
}

std::uint8_t scaled(long value, int maxValue)
{
    if (value > maxValue)
        value = maxValue;
    return static_cast<std::uint8_t>((value * 255 + maxValue / 2) / maxValue);
}

} // namespace

bool looksLikePnm(std::span<const std::uint8_t> file)
{
    return file.size() >= 3 && file[0] == 'P' && file[1] >= '1' && file[1] <= '6' && isSpace(file[2]);
}

StoredPicture readPnmHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "PNM");
    return {PictureFormat::Pnm, {h.width, h.height}, 1, false};
}

StoredPicture decodePnm(std::span<const std::uint8_t> file, std::uint64_t maxPixels, Bitmap& raw)
{
    const Header h = readHeader(file);
    checkPictureSize({h.width, h.height}, maxPixels, "PNM");
    const bool raw8 = h.kind >= 4;
    const int channels = h.kind == 3 || h.kind == 6 ? 3 : 1;
    const int sampleBytes = h.maxValue > 255 ? 2 : 1;
    if (raw8) {
        const std::size_t rowBytes = h.kind == 4 ? (static_cast<std::size_t>(h.width) + 7) / 8
                                                 : static_cast<std::size_t>(h.width) * channels * sampleBytes;
        if (h.dataStart > file.size() ||
            (file.size() - h.dataStart) / rowBytes < static_cast<std::size_t>(h.height))
            fail(PictureFault::Truncated, "the data ends before the picture does");
    } else {
        // Plain samples take at least one character each: a short file is
        // refused before the pixels are allocated.
        const std::size_t samples = static_cast<std::size_t>(h.width) * h.height * channels;
        if (h.dataStart > file.size() || file.size() - h.dataStart + 1 < samples)
            fail(PictureFault::Truncated, "the data ends before the picture does");
    }
    raw.resize(h.width, h.height, 4);
    Tokens tokens(file, h.dataStart - 1);
    const std::uint8_t* data = file.data() + h.dataStart;
    for (int y = 0; y < h.height; ++y) {
        std::uint8_t* out = raw.view().rowData(y);
        for (int x = 0; x < h.width; ++x, out += 4) {
            std::uint8_t c[3];
            if (h.kind == 1 || h.kind == 4) {
                int bit;
                if (h.kind == 1) {
                    bit = tokens.bit();
                    if (bit < 0)
                        fail(PictureFault::Truncated, "the data ends before the picture does");
                } else {
                    bit =
                        (data[static_cast<std::size_t>(y) * ((h.width + 7) / 8) + x / 8] >> (7 - x % 8)) & 1;
                }
                c[0] = c[1] = c[2] = bit ? 0 : 255; // 1 is black
            } else {
                for (int k = 0; k < channels; ++k) {
                    long value;
                    if (raw8) {
                        const std::size_t i =
                            ((static_cast<std::size_t>(y) * h.width + x) * channels + k) * sampleBytes;
                        value = sampleBytes == 2 ? data[i] << 8 | data[i + 1] : data[i];
                    } else {
                        value = tokens.number();
                        if (value < 0)
                            fail(PictureFault::Truncated, "the data ends before the picture does");
                    }
                    c[k] = scaled(value, h.maxValue);
                }
                if (channels == 1)
                    c[1] = c[2] = c[0];
            }
            out[0] = c[2];
            out[1] = c[1];
            out[2] = c[0];
            out[3] = 255;
        }
    }
    return {PictureFormat::Pnm, {h.width, h.height}, 1, false};
}

} // namespace quiltara::imaging
