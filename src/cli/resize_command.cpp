// quiltara-cli resize: the editor's Lanczos3 resampler on a whole picture.
#include "cli/cli_command.h"
#include "cli/cli_pictures.h"
#include "imaging/resample.h"

#include <cstdio>

namespace quiltara::cli {
namespace {

constexpr int kMaxSide = 65535;

int resize(const std::vector<std::string>& arguments)
{
    const PictureArguments parsed =
        parsePictureArguments(arguments, {"--width", "--height", "--quality"}, {});
    const int width = integerOption(parsed, "--width", 1, kMaxSide);
    const int height = integerOption(parsed, "--height", 1, kMaxSide);
    const int quality = parsed.has("--quality") ? integerOption(parsed, "--quality", 0, 100) : 90;
    const imaging::Bitmap picture = loadPicture(parsed.input);
    imaging::Bitmap resized(width, height, 3);
    imaging::StretchAndResample(picture.view(), resized);
    savePicture(parsed.output, resized, quality);
    std::printf("%s: %d x %d\n", parsed.output.c_str(), width, height);
    return 0;
}

const CliRegistration registration({
    "resize",
    "resize IN OUT --width W --height H [--quality Q]",
    "resample IN to W x H with the editor's Lanczos3 resampler",
    &resize,
});

} // namespace
} // namespace quiltara::cli
