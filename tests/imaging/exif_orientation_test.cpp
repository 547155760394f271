#include "imaging/exif_orientation.h"
#include "imaging/picture_decoder.h"
#include "picture_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quiltara::imaging {
namespace {

using namespace testing;

// The stored picture has blocks A B C over D E F (0 ... 5). Each row of the
// table is how the upright picture shows them, row by row.
struct OrientationCase {
    int orientation;
    int columns; // blocks across the upright picture
    int blocks[6];
};

constexpr OrientationCase kOrientations[] = {
    {1, 3, {0, 1, 2, 3, 4, 5}}, // as stored
    {2, 3, {2, 1, 0, 5, 4, 3}}, // mirrored left to right
    {3, 3, {5, 4, 3, 2, 1, 0}}, // upside down
    {4, 3, {3, 4, 5, 0, 1, 2}}, // mirrored top to bottom
    {5, 2, {0, 3, 1, 4, 2, 5}}, // transposed
    {6, 2, {3, 0, 4, 1, 5, 2}}, // turned a quarter clockwise
    {7, 2, {5, 2, 4, 1, 3, 0}}, // transversed
    {8, 2, {2, 5, 1, 4, 0, 3}}, // turned a quarter counter-clockwise
};

void PrintTo(const OrientationCase& c, std::ostream* os)
{
    *os << "orientation " << c.orientation;
}

// Checks the centre of every upright block against the expected colour.
void expectBlocks(const Bitmap& picture, const OrientationCase& c, int tolerance)
{
    ASSERT_EQ(picture.width(), c.columns * 16);
    ASSERT_EQ(picture.height(), (6 / c.columns) * 16);
    for (int b = 0; b < 6; ++b) {
        const std::uint8_t* p = picture.view().pixel((b % c.columns) * 16 + 8, (b / c.columns) * 16 + 8);
        const std::uint32_t colour = blockColour(c.blocks[b]);
        EXPECT_NEAR(p[2], static_cast<int>(colour & 0xFF), tolerance) << "block " << b;
        EXPECT_NEAR(p[1], static_cast<int>((colour >> 8) & 0xFF), tolerance) << "block " << b;
        EXPECT_NEAR(p[0], static_cast<int>(colour >> 16), tolerance) << "block " << b;
    }
}

class Orientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(Orientation, JpegIsDecodedUpright)
{
    const auto& c = GetParam();
    const auto file = jpegWithOrientation(blockPicture(3).view(), 95, c.orientation);
    const PictureInfo info = queryPicture(file, PictureRoute::Jpeg);
    EXPECT_EQ(info.orientation, c.orientation);
    EXPECT_EQ(info.size, (Size{c.columns * 16, (6 / c.columns) * 16}));
    Bitmap decoded;
    decodePicture(file, PictureRoute::Jpeg, decodeAs(3), decoded);
    expectBlocks(decoded, c, 24);
}

TEST_P(Orientation, PngIsDecodedUpright)
{
    const auto& c = GetParam();
    const auto file = pngWithOrientation(blockPicture(3).view(), false, c.orientation);
    EXPECT_EQ(queryPicture(file, PictureRoute::Generic).size, (Size{c.columns * 16, (6 / c.columns) * 16}));
    Bitmap decoded;
    decodePicture(file, PictureRoute::Generic, decodeAs(4), decoded);
    expectBlocks(decoded, c, 0);
}

TEST_P(Orientation, TiffIsDecodedUpright)
{
    const auto& c = GetParam();
    const auto file = tiffWithOrientation(blockPicture(3).view(), c.orientation);
    EXPECT_EQ(queryPicture(file, PictureRoute::Generic).orientation, c.orientation);
    Bitmap decoded;
    decodePicture(file, PictureRoute::Generic, decodeAs(3), decoded);
    expectBlocks(decoded, c, 0);
}

TEST_P(Orientation, RequestedSizeIsTheUprightSize)
{
    // A JPEG reduced on decoding: the requested size is upright as well.
    const auto& c = GetParam();
    const auto file = jpegWithOrientation(blockPicture(3).view(), 95, c.orientation);
    const Size upright{c.columns * 16, (6 / c.columns) * 16};
    Bitmap decoded;
    decodePicture(file, PictureRoute::Jpeg, decodeAs(3, Size{upright.width / 2, upright.height / 2}),
                  decoded);
    ASSERT_EQ(decoded.width(), upright.width / 2);
    ASSERT_EQ(decoded.height(), upright.height / 2);
    for (int b = 0; b < 6; ++b) {
        const std::uint8_t* p = decoded.view().pixel((b % c.columns) * 8 + 4, (b / c.columns) * 8 + 4);
        EXPECT_NEAR(p[2], static_cast<int>(blockColour(c.blocks[b]) & 0xFF), 32) << "block " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(AllEight, Orientation, ::testing::ValuesIn(kOrientations));

TEST(ExifOrientation, AnythingUnreadableCountsAsUpright)
{
    EXPECT_EQ(exifOrientation({}), 1);
    for (int value : {0, 9, 65535}) {
        const auto block = tiffOrientationBlock(value);
        EXPECT_EQ(exifOrientation(block), 1) << value;
    }
    auto cut = tiffOrientationBlock(6);
    cut.resize(12);
    EXPECT_EQ(exifOrientation(cut), 1);
    const std::uint8_t noise[] = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(exifOrientation(noise), 1);
}

} // namespace
} // namespace quiltara::imaging
