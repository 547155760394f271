#include "imaging/jpeg_codec.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_encoder.h"
#include "imaging/picture_error.h"
#include "picture_fixtures.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace quiltara::imaging {
namespace {

using namespace testing;

struct Outcome {
    PictureFault fault;
    std::string message;
};

Outcome failureOf(std::span<const std::uint8_t> file, PictureRoute route)
{
    Bitmap target;
    try {
        decodePicture(file, route, {}, target);
    }
    catch (const PictureError& e) {
        return {e.fault(), e.what()};
    }
    return {PictureFault::Corrupt, "no error"};
}

std::vector<std::uint8_t> smallJpeg()
{
    std::vector<std::uint8_t> file;
    encodeJpeg(randomBitmap(64, 48, 3, 3).view(), 90, file);
    return file;
}

TEST(JpegErrors, ReadLikeTheMessagesTheProgramMapsToBoxes)
{
    const auto whole = smallJpeg();
    std::vector<std::uint8_t> half(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2));
    std::vector<std::uint8_t> headersOnly = {0xFF, 0xD8, 0xFF, 0xD9};
    const std::string png = "\x89PNG\r\n\x1a\n";
    const struct {
        std::vector<std::uint8_t> file;
        const char* message;
        PictureFault fault;
    } cases[] = {
        {half, "JPEG error #67", PictureFault::Truncated},
        {headersOnly, "JPEG error #60", PictureFault::NoImageData},
        {{}, "JPEG error #52", PictureFault::WrongFormat},
        {{png.begin(), png.end()}, "JPEG error #52", PictureFault::WrongFormat},
    };
    for (const auto& c : cases) {
        const Outcome outcome = failureOf(c.file, PictureRoute::Jpeg);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.fault, c.fault) << c.message;
    }
    // A file that only lacks its end marker has every row and decodes.
    std::vector<std::uint8_t> noEnd(whole.begin(), whole.end() - 2);
    Bitmap target;
    EXPECT_NO_THROW(decodePicture(noEnd, PictureRoute::Jpeg, {}, target));
}

TEST(JpegErrors, AFailedWriteIsNumber36)
{
    const Bitmap picture(4, 4, 3);
    try {
        saveGraphicFile("/nonexistent-folder/out.jpg", picture.view(), GraphicFormat::Jpeg, 90);
        ADD_FAILURE() << "no error";
    }
    catch (const PictureError& e) {
        EXPECT_STREQ(e.what(), "JPEG error #36");
        EXPECT_EQ(e.fault(), PictureFault::WriteFailed);
    }
}

// Headers that claim 100000 x 100000 pixels (JPEG: 65000 x 65000, its
// largest) in a file of a few bytes.
std::vector<std::uint8_t> hugeJpeg()
{
    auto file = smallJpeg();
    for (std::size_t i = 2; i + 9 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            file[i + 5] = 0xFD;
            file[i + 6] = 0xE8; // height 65000
            file[i + 7] = 0xFD;
            file[i + 8] = 0xE8; // width
            break;
        }
    return file;
}

std::vector<std::uint8_t> hugePng()
{
    std::vector<std::uint8_t> file = {0x89, 'P',  'N',  'G',  '\r', '\n', 0x1A, '\n', 0,    0,
                                      0,    13,   'I',  'H',  'D',  'R',  0,    0x01, 0x86, 0xA0,
                                      0,    0x01, 0x86, 0xA0, 8,    2,    0,    0,    0};
    const auto crc = crc32(0, file.data() + 12, 17);
    for (int shift = 24; shift >= 0; shift -= 8)
        file.push_back(static_cast<std::uint8_t>(crc >> shift));
    return file;
}

std::vector<std::uint8_t> hugeBmp()
{
    std::vector<std::uint8_t> file = {'B', 'M', 0, 0,    0,    0,    0, 0,    0,    0,    54, 0, 0, 0,  40,
                                      0,   0,   0, 0xA0, 0x86, 0x01, 0, 0xA0, 0x86, 0x01, 0,  1, 0, 24, 0};
    file.resize(64, 0);
    return file;
}

std::vector<std::uint8_t> hugeGif()
{
    // Screen 65535 x 65535, one frame as large, no data.
    return {'G', 'I', 'F',  '8',  '9',  'a',  0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, ',', 0, 0,
            0,   0,   0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0,    0,    0,    0, 0, 0, 8,   0};
}

TEST(HostilePictures, HugeDimensionsAreRefusedBeforeAllocating)
{
    const struct {
        std::vector<std::uint8_t> file;
        PictureRoute route;
    } cases[] = {
        {hugeJpeg(), PictureRoute::Jpeg},
        {hugePng(), PictureRoute::Generic},
        {hugeBmp(), PictureRoute::Bmp},
        {hugeGif(), PictureRoute::Gif},
        {std::vector<std::uint8_t>{'P', '6', ' ', '9', '9', '9', '9', '9', ' ', '9', '9', '9', '9', '9', ' ',
                                   '2', '5', '5', '\n'},
         PictureRoute::Generic},
    };
    for (const auto& c : cases) {
        const Outcome outcome = failureOf(c.file, c.route);
        EXPECT_EQ(outcome.fault, PictureFault::TooLarge) << outcome.message;
        EXPECT_NE(outcome.message.find("JPEG") == 0 ? "JPEG error #53" : outcome.message, "no error");
        PictureFault queried = PictureFault::Corrupt;
        try {
            queryPicture(c.file, c.route);
        }
        catch (const PictureError& e) {
            queried = e.fault();
        }
        EXPECT_EQ(queried, PictureFault::TooLarge) << outcome.message;
    }
    EXPECT_EQ(failureOf(hugeJpeg(), PictureRoute::Jpeg).message, "JPEG error #53");
}

TEST(HostilePictures, CutFilesAndNoiseGiveErrorsNotCrashes)
{
    // Every format, cut at every length up to its end: an error or a picture,
    // never a crash (the sanitizer build watches the reads).
    const Bitmap picture = randomBitmap(9, 7, 4, 6);
    std::vector<std::vector<std::uint8_t>> files;
    for (GraphicFormat format :
         {GraphicFormat::Jpeg, GraphicFormat::Png, GraphicFormat::Gif, GraphicFormat::Bmp}) {
        files.emplace_back();
        encodeGraphic(picture.view(), format, 80, files.back());
    }
    files.push_back(tiffWithOrientation(picture.view(), 6));
    files.push_back(jpegWithOrientation(picture.view(), 80, 8));
    for (const auto& whole : files)
        for (std::size_t length = 0; length < whole.size(); length += 1 + length / 16) {
            const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(length));
            for (PictureRoute route :
                 {PictureRoute::Jpeg, PictureRoute::Gif, PictureRoute::Bmp, PictureRoute::Generic}) {
                Bitmap target;
                try {
                    decodePicture(cut, route, decodeAs(3), target);
                }
                catch (const PictureError&) {
                }
            }
        }
    EXPECT_EQ(failureOf(randomBitmap(50, 1, 3, 1).view().row(0).size() ? std::vector<std::uint8_t>(150, 0x17)
                                                                       : std::vector<std::uint8_t>{},
                        PictureRoute::Generic)
                  .fault,
              PictureFault::UnknownFormat);
}

TEST(HostilePictures, MissingFilesAreReportedAsUnreadable)
{
    try {
        queryPictureFile("/nonexistent-folder/photo.jpg");
        ADD_FAILURE() << "no error";
    }
    catch (const PictureError& e) {
        EXPECT_EQ(e.fault(), PictureFault::CannotRead);
        EXPECT_NE(std::string(e.what()).find("photo.jpg"), std::string::npos);
    }
}

} // namespace
} // namespace quiltara::imaging
