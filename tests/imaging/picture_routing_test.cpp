#include "imaging/large_photo.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_encoder.h"

#include <gtest/gtest.h>

namespace quiltara::imaging {
namespace {

TEST(PictureRouting, ChoosesTheDecoderByASubstringOfTheUpperCasedPath)
{
    const std::pair<const char*, PictureRoute> cases[] = {
        {"/photos/IMG_0001.JPG", PictureRoute::Jpeg},
        {"holiday.jpeg", PictureRoute::Jpeg},
        {"/home/me/jpgs/scan.png", PictureRoute::Jpeg}, // anywhere in the path
        {"anim.Gif", PictureRoute::Gif},
        {"/gifts/photo.bmp", PictureRoute::Gif}, // "GIF" is tested before ".BMP"
        {"photo.bmp", PictureRoute::Bmp},
        {"photo.BMP.png", PictureRoute::Bmp},
        {"bmp.png", PictureRoute::Generic}, // no ".BMP"
        {"scan.tif", PictureRoute::Generic},
        {"stamp.PNG", PictureRoute::Generic},
    };
    for (const auto& [name, route] : cases)
        EXPECT_EQ(routeForFileName(name), route) << name;
}

TEST(GraphicExport, ChoosesTheWriterByTheFirstMatchingExtensionText)
{
    const std::pair<const char*, std::optional<GraphicFormat>> cases[] = {
        {"collage.jpg", GraphicFormat::Jpeg},
        {"collage.JPEG", GraphicFormat::Jpeg},
        {"picture.jpg.bmp", GraphicFormat::Jpeg}, // ".JP" is tested first
        {"a.gif", GraphicFormat::Gif},
        {"a.png", GraphicFormat::Png},
        {"a.gif.png", GraphicFormat::Gif},
        {"a.Bmp", GraphicFormat::Bmp},
        {"a.tif", std::nullopt},
        {"jpg", std::nullopt},
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(graphicFormatForFileName(name), format) << name;
}

TEST(LargePhoto, KeepsAboutOnePointThreeMegapixelsAboveOnePointFive)
{
    const std::pair<Size, std::optional<Size>> cases[] = {
        {{3000, 2000}, Size{1396, 930}},  {{1600, 1000}, Size{1442, 901}},
        {{6000, 4000}, Size{1396, 930}},  {{1500, 1000}, std::nullopt}, // exactly 1.5 megapixels stays
        {{1224, 1225}, std::nullopt},     {{640, 480}, std::nullopt},
        {{2000000, 1}, Size{1612451, 1}}, // never below one pixel
    };
    for (const auto& [photo, reduced] : cases)
        EXPECT_EQ(largePhotoReducedSize(photo), reduced) << photo.width << 'x' << photo.height;
}

} // namespace
} // namespace quiltara::imaging
