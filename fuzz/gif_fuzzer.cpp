#include "imaging/gif_codec.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of GIF files: the first frame on its logical screen.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        readGifHeader(file, kFuzzMaxPixels);
        decodeGif(file, kFuzzMaxPixels, rawPictureBitmap());
    });
}
