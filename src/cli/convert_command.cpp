// quiltara-cli convert: decodes a picture as the editor does and writes it in
// the format its new name asks for.
#include "cli/cli_command.h"
#include "cli/cli_pictures.h"

#include <cstdio>

namespace quiltara::cli {
namespace {

// The editor's default export quality.
constexpr int kDefaultQuality = 90;

int convert(const std::vector<std::string>& arguments)
{
    const PictureArguments parsed = parsePictureArguments(arguments, {"--quality"}, {});
    const int quality =
        parsed.has("--quality") ? integerOption(parsed, "--quality", 0, 100) : kDefaultQuality;
    const imaging::Bitmap picture = loadPicture(parsed.input);
    savePicture(parsed.output, picture, quality);
    std::printf("%s: %d x %d\n", parsed.output.c_str(), picture.width(), picture.height());
    return 0;
}

const CliRegistration registration({
    "convert",
    "convert IN OUT [--quality Q]",
    "decode IN and write it as OUT's type (.jpg, .png, .gif, .bmp); JPEG quality 0-100, default 90",
    &convert,
});

} // namespace
} // namespace quiltara::cli
