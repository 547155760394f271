#include "imaging/jpeg_codec.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of JPEG files: the size query, the full decode and the
// DCT-reduced decode.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        Bitmap target;
        readJpegHeader(file, kFuzzMaxPixels);
        decodeJpeg(file, request(3), target);
        decodeJpeg(file, request(4, Size{7, 5}), target);
    });
}
