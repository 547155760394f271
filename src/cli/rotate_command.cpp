// quiltara-cli rotate: the editor's rotation on a whole picture, which keeps
// its size; the corners it uncovers get the background colour.
#include "cli/cli_command.h"
#include "cli/cli_pictures.h"
#include "imaging/rotate.h"

#include <charconv>
#include <cstdio>

namespace quiltara::cli {
namespace {

// RRGGBB as the editor shows colours, to 0x00BBGGRR.
std::uint32_t colourOption(const PictureArguments& parsed)
{
    const std::optional<std::string> text = parsed.value("--background");
    if (!text)
        return 0x00FFFFFF;
    unsigned int rgb = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), rgb, 16);
    if (text->size() != 6 || error != std::errc() || end != text->data() + text->size())
        throw CliError{2, "--background must be six hexadecimal digits RRGGBB, not '" + *text + "'"};
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

int rotate(const std::vector<std::string>& arguments)
{
    const PictureArguments parsed =
        parsePictureArguments(arguments, {"--angle", "--background", "--quality"}, {"--no-antialias"});
    const int angle = integerOption(parsed, "--angle", -359, 359);
    const std::uint32_t background = colourOption(parsed);
    const int quality = parsed.has("--quality") ? integerOption(parsed, "--quality", 0, 100) : 90;
    imaging::Bitmap picture = loadPicture(parsed.input);
    if (!imaging::RotateBitmapByAngle(picture.view(), angle, background, !parsed.has("--no-antialias")))
        throw CliError{1, "the picture has no pixels"};
    savePicture(parsed.output, picture, quality);
    std::printf("%s: %d x %d, turned %d degrees\n", parsed.output.c_str(), picture.width(), picture.height(),
                angle);
    return 0;
}

const CliRegistration registration({
    "rotate",
    "rotate IN OUT --angle A [--background RRGGBB] [--no-antialias]",
    "turn IN counter-clockwise by A degrees about its centre, same size out (background default FFFFFF)",
    &rotate,
});

} // namespace
} // namespace quiltara::cli
