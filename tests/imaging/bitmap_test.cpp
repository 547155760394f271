#include "imaging/bitmap.h"

#include "imaging/imaging_error.h"

#include <gtest/gtest.h>

namespace quiltara::imaging {
namespace {

TEST(Bitmap, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(Bitmap(1, 1, 3).stride(), 4);
    EXPECT_EQ(Bitmap(5, 2, 3).stride(), 16);
    EXPECT_EQ(Bitmap(5, 2, 4).stride(), 20);
}

TEST(Bitmap, ResizingKeepsALargeEnoughAllocation)
{
    Bitmap bitmap(100, 100, 4);
    const std::uint8_t* memory = bitmap.data();
    bitmap.resize(50, 60, 3);
    EXPECT_EQ(bitmap.data(), memory);
    EXPECT_EQ(bitmap.width(), 50);
    EXPECT_EQ(bitmap.stride(), 152);
}

TEST(Bitmap, RefusesSizesBeyondTheLimitBeforeAllocating)
{
    Bitmap bitmap;
    EXPECT_THROW(bitmap.resize(100000, 100000, 4), ImagingError);
    EXPECT_THROW(bitmap.resize(-1, 10, 4), ImagingError);
    EXPECT_THROW(bitmap.resize(10, 10, 2), ImagingError);
    EXPECT_TRUE(bitmap.empty());
}

TEST(Bitmap, FillWritesBlueGreenRedAndClearsTheFourthByte)
{
    for (int bpp : {3, 4}) {
        Bitmap bitmap(3, 2, bpp);
        bitmap.fill(0x00123456);
        const std::uint8_t* p = bitmap.view().pixel(2, 1);
        EXPECT_EQ(p[0], 0x12);
        EXPECT_EQ(p[1], 0x34);
        EXPECT_EQ(p[2], 0x56);
        if (bpp == 4) {
            EXPECT_EQ(p[3], 0);
        }
    }
}

TEST(CopyPixels, ConvertsBetweenTwentyFourAndThirtyTwoBits)
{
    Bitmap source(3, 3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            std::uint8_t* p = source.view().pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x + y);
        }
    Bitmap wide(3, 3, 4);
    wide.fill(0x00FFFFFF);
    copyPixels(source.view(), wide.view());
    Bitmap back(3, 3, 3);
    copyPixels(wide.view(), back.view());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(wide.view().pixel(x, y)[3], 0);
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(back.view().pixel(x, y)[c], source.view().pixel(x, y)[c]);
        }
}

} // namespace
} // namespace quiltara::imaging
