#include "imaging/bmp_stream.h"
#include "imaging/gif_codec.h"
#include "imaging/jpeg_codec.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_encoder.h"
#include "imaging/picture_error.h"
#include "imaging/plain_stretch.h"
#include "imaging/png_codec.h"
#include "picture_fixtures.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace quiltara::imaging {
namespace {

using namespace testing;

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

// A smooth picture, as photos are, so that lossy codecs stay close.
Bitmap gradient(int width, int height, int bpp)
{
    Bitmap b(width, height, bpp);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = b.view().pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(width - 1, 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(height - 1, 1));
            p[2] = static_cast<std::uint8_t>((x + y) * 127 / std::max(width + height - 2, 1));
            if (bpp == 4)
                p[3] = 0;
        }
    return b;
}

int maxDifference(const PixelView& a, const PixelView& b)
{
    int worst = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int k = 0; k < 3; ++k)
                worst = std::max(worst, std::abs(a.pixel(x, y)[k] - b.pixel(x, y)[k]));
    return worst;
}

TEST(PictureCodecs, EncodedPicturesDecodeBackInEveryPixelFormat)
{
    struct Case {
        GraphicFormat format;
        PictureRoute route;
        int tolerance;
    };
    for (const Case c :
         {Case{GraphicFormat::Jpeg, PictureRoute::Jpeg, 16},
          Case{GraphicFormat::Png, PictureRoute::Generic, 0}, Case{GraphicFormat::Gif, PictureRoute::Gif, 16},
          Case{GraphicFormat::Bmp, PictureRoute::Bmp, 0}})
        for (int bpp : {3, 4}) {
            const Bitmap original = gradient(37, 21, bpp);
            std::vector<std::uint8_t> file;
            encodeGraphic(original.view(), c.format, 95, file);
            Bitmap decoded;
            const PictureInfo info = decodePicture(file, c.route, decodeAs(bpp), decoded);
            EXPECT_EQ(info.size, (Size{37, 21}));
            ASSERT_EQ(decoded.width(), 37);
            ASSERT_EQ(decoded.height(), 21);
            ASSERT_EQ(decoded.bytesPerPixel(), bpp);
            EXPECT_LE(maxDifference(decoded.view(), original.view()), c.tolerance)
                << static_cast<int>(c.format) << " at " << bpp * 8 << " bits";
            if (bpp == 4) {
                EXPECT_EQ(decoded.view().pixel(5, 5)[3], 0) << "fourth byte";
            }
        }
}

TEST(PictureCodecs, GifGetsAPaletteOfAtMost256ColoursMadeForThePicture)
{
    const Bitmap noise = randomBitmap(64, 64, 3, 21);
    std::vector<std::uint8_t> file;
    encodeGif(noise.view(), file);
    Bitmap decoded;
    decodePicture(file, PictureRoute::Gif, decodeAs(3), decoded);
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t* p = decoded.view().pixel(x, y);
            colours.insert(p[0] | p[1] << 8 | p[2] << 16);
        }
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 64u); // optimised for the picture, not a fixed small palette

    // A picture of two colours keeps them exactly.
    Bitmap two(10, 10, 3);
    two.fill(0x00102030);
    two.view().pixel(3, 3)[0] = 0xFF;
    encodeGif(two.view(), file);
    decodePicture(file, PictureRoute::Gif, decodeAs(3), decoded);
    EXPECT_EQ(maxDifference(decoded.view(), two.view()), 0);
}

TEST(PictureCodecs, InterlacedGifRowsLandInPlaceOnTheLogicalScreen)
{
    const auto file = interlacedGif(3, 11);
    Bitmap decoded;
    const PictureInfo info = decodePicture(file, PictureRoute::Gif, decodeWithAlpha(), decoded);
    EXPECT_EQ(info.size, (Size{5, 13}));
    const std::uint32_t colours[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}; // 0xBBGGRR
    for (int y = 0; y < 11; ++y) {
        const std::uint8_t* p = decoded.view().pixel(2, y + 1);
        const std::uint32_t colour = p[2] | p[1] << 8 | p[0] << 16;
        EXPECT_EQ(colour, colours[y % 4]) << "row " << y;
        EXPECT_EQ(p[3], y % 4 == 3 ? 0 : 255) << "row " << y; // index 3 is transparent
    }
    EXPECT_EQ(decoded.view().pixel(0, 0)[3], 0); // the screen outside the frame
    EXPECT_EQ(decoded.view().pixel(4, 12)[3], 0);
}

TEST(PictureCodecs, PngAlphaIsKeptForStampsAndBlendedOverWhiteOtherwise)
{
    Bitmap stamp(4, 1, 4);
    const std::uint8_t alphas[4] = {0, 128, 255, 64};
    for (int x = 0; x < 4; ++x) {
        std::uint8_t* p = stamp.view().pixel(x, 0);
        p[0] = 0;   // blue
        p[1] = 0;   // green
        p[2] = 200; // red
        p[3] = alphas[x];
    }
    const auto file = pngWithOrientation(stamp.view(), true, 0);
    EXPECT_TRUE(queryPicture(file, PictureRoute::Generic).hasAlpha);

    Bitmap kept;
    decodePicture(file, PictureRoute::Generic, decodeWithAlpha(), kept);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(kept.view().pixel(x, 0)[3], alphas[x]);
    EXPECT_EQ(kept.view().pixel(2, 0)[2], 200);

    Bitmap blended;
    decodePicture(file, PictureRoute::Generic, decodeAs(3), blended);
    EXPECT_EQ(blended.view().pixel(0, 0)[2], 255); // transparent: white
    EXPECT_EQ(blended.view().pixel(0, 0)[0], 255);
    EXPECT_EQ(blended.view().pixel(2, 0)[2], 200); // opaque: the colour
    EXPECT_EQ(blended.view().pixel(2, 0)[0], 0);
    EXPECT_EQ(blended.view().pixel(1, 0)[0], 127); // half: (0 * 128 + 255 * 127 + 127) / 255

    // An opaque picture asked for with alpha gets 255 in the fourth byte.
    const auto opaque = pngWithOrientation(gradient(3, 3, 3).view(), false, 0);
    decodePicture(opaque, PictureRoute::Generic, decodeWithAlpha(), kept);
    EXPECT_EQ(kept.view().pixel(1, 1)[3], 255);
}

TEST(PictureCodecs, JpegIsReducedByDctScalingThenByThePlainStretch)
{
    const Bitmap photo = gradient(800, 600, 3);
    std::vector<std::uint8_t> file;
    encodeJpeg(photo.view(), 90, file);

    // 349 x 262 lies between 1/4 (200 x 150) and 1/2 (400 x 300): the decoder
    // takes 1/2 and stretches the rest.
    Bitmap half;
    decodePicture(file, PictureRoute::Jpeg, decodeAs(3, Size{400, 300}), half);
    Bitmap expected(349, 262, 3);
    plainStretch(half.view(), expected.view());

    Bitmap reduced;
    const PictureInfo info = decodePicture(file, PictureRoute::Jpeg, decodeAs(3, Size{349, 262}), reduced);
    EXPECT_EQ(info.size, (Size{800, 600})); // the picture's own size
    ASSERT_EQ(reduced.width(), 349);
    EXPECT_EQ(pixelBytes(reduced.view()), pixelBytes(expected.view()));

    // A size above the picture's is reached by stretching the full decode.
    Bitmap larger;
    decodePicture(file, PictureRoute::Jpeg, decodeAs(4, Size{900, 700}), larger);
    EXPECT_EQ(larger.width(), 900);
    EXPECT_EQ(larger.view().pixel(899, 699)[3], 0);
}

TEST(PictureCodecs, GenericLoaderTellsFormatsApartByTheirContents)
{
    // P3: plain pixmap; P1: plain bitmap where 1 is black; P6 with 16-bit samples.
    Bitmap decoded;
    auto info = decodePicture(bytesOf("P3\n# comment\n2 1\n255\n255 0 0  0 0 255\n"), PictureRoute::Generic,
                              decodeAs(3), decoded);
    EXPECT_EQ(info.format, PictureFormat::Pnm);
    EXPECT_EQ(pixelBytes(decoded.view()), (std::vector<std::uint8_t>{0, 0, 255, 255, 0, 0}));
    decodePicture(bytesOf("P1 3 1 101"), PictureRoute::Generic, decodeAs(3), decoded);
    EXPECT_EQ(pixelBytes(decoded.view()), (std::vector<std::uint8_t>{0, 0, 0, 255, 255, 255, 0, 0, 0}));
    std::string p6 = "P6 1 1 65535\n";
    p6 += std::string("\xFF\xFF\x80\x00\x00\x00", 6);
    decodePicture(bytesOf(p6), PictureRoute::Generic, decodeAs(3), decoded);
    EXPECT_EQ(pixelBytes(decoded.view()), (std::vector<std::uint8_t>{0, 128, 255}));

    // An uncompressed 24-bit TGA of 2 x 1, origin at the bottom left.
    std::vector<std::uint8_t> tga(18, 0);
    tga[2] = 2;
    tga[12] = 2;
    tga[14] = 1;
    tga[16] = 24;
    tga.insert(tga.end(), {10, 20, 30, 40, 50, 60});
    info = decodePicture(tga, PictureRoute::Generic, decodeAs(3), decoded);
    EXPECT_EQ(info.format, PictureFormat::Tga);
    EXPECT_EQ(pixelBytes(decoded.view()), (std::vector<std::uint8_t>{10, 20, 30, 40, 50, 60}));

    // A run-length encoded 24-bit PCX of 2 x 1: three planes of 2 bytes.
    std::vector<std::uint8_t> pcx(128, 0);
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    pcx[8] = 1; // xMax
    pcx[65] = 3;
    pcx[66] = 2; // bytes per line
    pcx.insert(pcx.end(), {0xC2, 0x11, 0x22, 0x33, 0xC1, 0xC5, 0x44});
    info = decodePicture(pcx, PictureRoute::Generic, decodeAs(3), decoded);
    EXPECT_EQ(info.format, PictureFormat::Pcx);
    // red 11 11, green 22 33, blue C5 44 → B, G, R per pixel
    EXPECT_EQ(pixelBytes(decoded.view()), (std::vector<std::uint8_t>{0xC5, 0x22, 0x11, 0x44, 0x33, 0x11}));

    // JPEG data under a PNG name still decodes through the generic loader.
    std::vector<std::uint8_t> jpeg;
    encodeJpeg(gradient(8, 8, 3).view(), 90, jpeg);
    EXPECT_EQ(queryPicture(jpeg, PictureRoute::Generic).format, PictureFormat::Jpeg);
}

TEST(PictureCodecs, BmpFilesOfOtherProgramsAreRead)
{
    // 8-bit paletted, bottom-up, 3 x 2: a 40-byte header, two palette entries.
    std::vector<std::uint8_t> bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40,
                                     0,   0,   0, 3, 0, 0, 0, 2, 0, 0, 0,  1, 0, 8, 0};
    bmp.resize(54, 0);
    bmp[46] = 2;                                           // colours used
    bmp.insert(bmp.end(), {0xFF, 0, 0, 0, 0, 0, 0xFF, 0}); // blue, red
    bmp.insert(bmp.end(), {0, 1, 0, 0, 1, 1, 1, 0});       // bottom row, then top row, padded to 4
    Bitmap decoded;
    decodePicture(bmp, PictureRoute::Bmp, decodeAs(3), decoded);
    ASSERT_EQ(decoded.width(), 3);
    EXPECT_EQ(decoded.view().pixel(0, 0)[2], 0xFF); // top row starts red
    EXPECT_EQ(decoded.view().pixel(0, 1)[0], 0xFF); // bottom row starts blue
    EXPECT_EQ(decoded.view().pixel(1, 1)[2], 0xFF);

    // RLE8: a run of 3 of index 1, end of line, 2 literal pixels, end of picture.
    std::vector<std::uint8_t> rle = bmp;
    rle[30] = 1; // BI_RLE8
    rle.resize(62);
    rle.insert(rle.end(), {3, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1});
    decodePicture(rle, PictureRoute::Bmp, decodeAs(3), decoded);
    EXPECT_EQ(decoded.view().pixel(2, 1)[2], 0xFF); // bottom row all red
    EXPECT_EQ(decoded.view().pixel(0, 0)[0], 0xFF); // top row: blue, red, blue
    EXPECT_EQ(decoded.view().pixel(1, 0)[2], 0xFF);

    // Our own BMP streams are BMP files too.
    const Bitmap picture = randomBitmap(5, 3, 4, 2);
    Bitmap again;
    decodePicture(encodeBmp(picture.view()), PictureRoute::Bmp, decodeAs(4), again);
    EXPECT_EQ(maxDifference(again.view(), picture.view()), 0);
}

TEST(PictureCodecs, SavedFilesAreWrittenWhole)
{
    const auto folder = std::filesystem::temp_directory_path() / "quiltara-save-test";
    std::filesystem::create_directories(folder);
    const Bitmap picture = gradient(20, 10, 4);
    for (const char* name : {"out.jpg", "out.png", "out.gif", "out.bmp"}) {
        const auto path = folder / name;
        saveGraphicFile(path, picture.view(), *graphicFormatForFileName(name), 90);
        EXPECT_EQ(queryPictureFile(path).size, (Size{20, 10})) << name;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace quiltara::imaging
