#include "imaging/rotate.h"

#include "imaging/bitmap.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quiltara::imaging {
namespace {

using testing::pixelBytes;
using testing::randomBitmap;

// The rotation as written, one channel at a time on a bottom-up copy: row 0
// is the bottom row of the picture.
Bitmap referenceRotate(const Bitmap& picture, int angle, std::uint32_t background, bool antialias)
{
    const int w = picture.width();
    const int h = picture.height();
    const auto at = [&](const Bitmap& b, int x, int y) { return b.view().pixel(x, h - 1 - y); };
    Bitmap out(w, h, picture.bytesPerPixel());
    const double theta = -angle * M_PI / 180.0;
    const float s = static_cast<float>(std::sin(theta));
    const float c = static_cast<float>(std::cos(theta));
    const int cx = w / 2;
    const int cy = h / 2;
    const std::uint8_t fill[3] = {static_cast<std::uint8_t>(background >> 16),
                                  static_cast<std::uint8_t>(background >> 8),
                                  static_cast<std::uint8_t>(background)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float xs =
                static_cast<float>(cx) + static_cast<float>(x - cx) * c - static_cast<float>(y - cy) * s;
            const float ys =
                static_cast<float>(cy) + static_cast<float>(x - cx) * s + static_cast<float>(y - cy) * c;
            const int ix = static_cast<int>(std::trunc(xs));
            const int iy = static_cast<int>(std::trunc(ys));
            std::uint8_t* o = at(out, x, y);
            if (picture.bytesPerPixel() == 4)
                o[3] = 0;
            if (ix < 0 || ix >= w - 1 || iy < 0 || iy >= h - 1) {
                for (int k = 0; k < 3; ++k)
                    o[k] = fill[k];
                continue;
            }
            const float fx = xs - static_cast<float>(ix);
            const float fy = ys - static_cast<float>(iy);
            for (int k = 0; k < 3; ++k) {
                if (!antialias) {
                    o[k] = at(picture, ix, iy)[k];
                    continue;
                }
                const float sum = (1.0f - fx) * (1.0f - fy) * at(picture, ix, iy)[k] +
                                  fx * (1.0f - fy) * at(picture, ix + 1, iy)[k] +
                                  (1.0f - fx) * fy * at(picture, ix, iy + 1)[k] +
                                  fx * fy * at(picture, ix + 1, iy + 1)[k];
                const float v = std::trunc(sum + 0.5f);
                o[k] = static_cast<std::uint8_t>(v < 0.0f ? 0.0f : v > 255.0f ? 255.0f : v);
            }
        }
    return out;
}

struct RotateCase {
    int width, height, bpp;
};

void PrintTo(const RotateCase& c, std::ostream* os)
{
    *os << c.width << 'x' << c.height << '@' << c.bpp * 8;
}

class RotateMatchesReference : public ::testing::TestWithParam<RotateCase> {};

TEST_P(RotateMatchesReference, AtEveryAngleWithAndWithoutAntialiasing)
{
    const auto [width, height, bpp] = GetParam();
    for (int angle : {0, 1, 30, 45, 90, 179, 180, 270, 359, -30, 400})
        for (bool antialias : {true, false}) {
            const Bitmap original = randomBitmap(width, height, bpp, 31 + angle);
            const Bitmap expected = referenceRotate(original, angle, 0x00336699, antialias);
            Bitmap rotated = original;
            ASSERT_TRUE(RotateBitmapByAngle(rotated.view(), angle, 0x00336699, antialias));
            EXPECT_EQ(pixelBytes(rotated.view()), pixelBytes(expected.view()))
                << "angle " << angle << (antialias ? " antialiased" : " plain");
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RotateMatchesReference,
                         ::testing::Values(RotateCase{1, 1, 3}, RotateCase{1, 9, 4}, RotateCase{2, 2, 3},
                                           RotateCase{7, 5, 4}, RotateCase{33, 17, 3},
                                           RotateCase{160, 130, 4}, RotateCase{129, 200, 3}));

TEST(RotateBitmapByAngle, QuarterTurnsMoveWholePixels)
{
    // A 9 x 9 square turned by 90: every inside pixel is a source pixel, not
    // a blend.
    const Bitmap original = randomBitmap(9, 9, 3, 4);
    Bitmap turned = original;
    RotateBitmapByAngle(turned.view(), 90, 0, true);
    // Counter-clockwise on screen: screen pixel (x, y) takes source screen
    // pixel (8 - y, x). Samples from the last source row (the top one) and
    // column count as outside, so the top row and left column stay background.
    for (int y = 1; y < 9; ++y)
        for (int x = 1; x < 9; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(turned.view().pixel(x, y)[c], original.view().pixel(8 - y, x)[c]) << x << ',' << y;
}

TEST(RotateBitmapByAngle, UncoveredCornersAndTheLastColumnAndRowGetTheBackgroundExactly)
{
    Bitmap picture(200, 100, 4);
    picture.fill(0x00FFFFFF);
    RotateBitmapByAngle(picture.view(), 30, 0x00C0C0C0, true);
    for (const auto& [x, y] : {std::pair{0, 0}, {199, 0}, {0, 99}, {199, 99}})
        EXPECT_EQ(pixelBytes(PixelView{picture.view().pixel(x, y), 1, 1, 4, 4}),
                  (std::vector<std::uint8_t>{0xC0, 0xC0, 0xC0, 0}));

    Bitmap straight(6, 4, 3);
    straight.fill(0x00FFFFFF);
    RotateBitmapByAngle(straight.view(), 0, 0x000000FF, true);
    // Bottom-up, the last row is the top one on screen.
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(straight.view().pixel(x, 0)[2], 0xFF);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(straight.view().pixel(5, y)[0], 0x00);
    EXPECT_EQ(straight.view().pixel(2, 2)[0], 0xFF);
}

TEST(RotateBitmapByAngle, RefusesAViewWithoutPixels)
{
    EXPECT_FALSE(RotateBitmapByAngle(PixelView{}, 30, 0, true));
}

TEST(RotatedBounds, CornersAreRoundedUpBeforeTheExtentsAreTaken)
{
    struct Case {
        Size rect;
        int angle;
        Size box;
    };
    // A photo turned by a on screen gets the box computed for 360 - a.
    for (const Case c :
         {Case{{200, 100}, 270, {100, 200}}, Case{{100, 100}, 315, {142, 141}},
          Case{{200, 100}, 330, {224, 187}}, Case{{200, 100}, 0, {200, 100}}, Case{{1, 64}, 315, {46, 46}}})
        EXPECT_EQ(RotatedBounds(c.rect, c.angle), c.box)
            << c.rect.width << 'x' << c.rect.height << " at " << c.angle;
}

} // namespace
} // namespace quiltara::imaging
