#include "imaging/bmp_decoder.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of BMP files as other programs write them (palettes,
// RLE, bit fields).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        readBmpHeader(file, kFuzzMaxPixels);
        decodeBmp(file, kFuzzMaxPixels, rawPictureBitmap());
    });
}
