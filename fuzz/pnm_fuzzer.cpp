#include "imaging/pnm_decoder.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of portable bitmaps, grey maps and pixmaps.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        readPnmHeader(file, kFuzzMaxPixels);
        decodePnm(file, kFuzzMaxPixels, rawPictureBitmap());
    });
}
