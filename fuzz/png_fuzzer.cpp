#include "imaging/png_codec.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of PNG files, eXIf orientation included.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        readPngHeader(file, kFuzzMaxPixels);
        decodePng(file, kFuzzMaxPixels, rawPictureBitmap());
    });
}
