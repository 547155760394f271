#include "imaging/bmp_stream.h"

#include "imaging/imaging_error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace quiltara::imaging {
namespace {

Bitmap randomBitmap(int width, int height, int bpp, unsigned seed)
{
    Bitmap bitmap(width, height, bpp);
    std::mt19937 rng(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = bitmap.view().pixel(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(rng());
            if (bpp == 4)
                p[3] = 0;
        }
    return bitmap;
}

struct StreamCase {
    int width;
    int height;
    int bpp;
};

class BmpRoundTrip : public ::testing::TestWithParam<StreamCase> {};

TEST_P(BmpRoundTrip, KeepsEveryPixelAndWritesARealBottomUpFile)
{
    const auto [width, height, bpp] = GetParam();
    const Bitmap original = randomBitmap(width, height, bpp, 7);
    BmpStream stream;
    stream.store(original.view());

    const auto& file = stream.bytes();
    ASSERT_EQ(file.size(), 54u + static_cast<std::size_t>(paddedStride(width, bpp)) * height);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[28], bpp * 8);
    // Bottom-up: the file's first pixel row is the picture's last row.
    EXPECT_EQ(file[54], original.view().pixel(0, height - 1)[0]);

    Bitmap loaded;
    stream.loadInto(loaded, bpp);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(loaded.view().pixel(x, y)[c], original.view().pixel(x, y)[c]) << x << "," << y;

    BmpStream reread;
    reread.assignFile(file);
    EXPECT_EQ(reread.width(), width);
    EXPECT_EQ(reread.height(), height);
    EXPECT_EQ(reread.bytesPerPixel(), bpp);
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRoundTrip,
                         ::testing::Values(StreamCase{1, 1, 3}, StreamCase{5, 3, 3}, StreamCase{5, 3, 4},
                                           StreamCase{2, 7, 3}, StreamCase{64, 1, 4}));

TEST(BmpStream, ANewStreamIsEmptyAndHasNoPicture)
{
    BmpStream stream;
    EXPECT_TRUE(stream.empty());
    EXPECT_FALSE(stream.hasPicture());
    EXPECT_TRUE(stream.pixels().empty());
    Bitmap target;
    EXPECT_THROW(stream.loadInto(target, 3), ImagingError);
}

TEST(BmpStream, ReadsTopDownFiles)
{
    const Bitmap original = randomBitmap(3, 2, 3, 9);
    std::vector<std::uint8_t> file = encodeBmp(original.view());
    // Turn the file into a top-down one: negative height, rows reversed.
    const std::size_t row = static_cast<std::size_t>(paddedStride(3, 3));
    std::vector<std::uint8_t> topDown(file.begin(), file.begin() + 54);
    topDown.insert(topDown.end(), file.begin() + 54 + row, file.begin() + 54 + 2 * row);
    topDown.insert(topDown.end(), file.begin() + 54, file.begin() + 54 + row);
    const std::int32_t minusTwo = -2;
    std::memcpy(&topDown[22], &minusTwo, 4);

    BmpStream stream;
    stream.assignFile(topDown);
    EXPECT_EQ(stream.pixels().pixel(2, 0)[2], original.view().pixel(2, 0)[2]);
    EXPECT_EQ(stream.pixels().pixel(0, 1)[0], original.view().pixel(0, 1)[0]);
}

TEST(BmpStream, RefusesDamagedFilesAndStaysAsItWas)
{
    BmpStream stream;
    stream.store(randomBitmap(4, 4, 3, 1).view());
    const std::vector<std::uint8_t> good = stream.bytes();

    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back({});
    bad.push_back({'B', 'M'});
    bad.emplace_back(good.begin(), good.end() - 1); // one byte short
    auto hugeWidth = good;
    hugeWidth[18] = hugeWidth[19] = hugeWidth[20] = 0xFF;
    hugeWidth[21] = 0x7F;
    bad.push_back(hugeWidth);
    auto paletted = good;
    paletted[28] = 8;
    bad.push_back(paletted);
    auto offsetPastEnd = good;
    offsetPastEnd[10] = 0xFF;
    offsetPastEnd[11] = 0xFF;
    bad.push_back(offsetPastEnd);

    for (const auto& file : bad) {
        EXPECT_THROW(stream.assignFile(file), ImagingError);
        EXPECT_EQ(stream.bytes(), good);
    }
}

} // namespace
} // namespace quiltara::imaging
