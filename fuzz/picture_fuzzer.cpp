#include "imaging/picture_decoder.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of the generic loader: format sniffing, every
// decoder behind it, orientation and the finishing step (alpha, pixel format,
// requested size).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        queryPicture(file, PictureRoute::Generic, kFuzzMaxPixels);
        Bitmap target;
        DecodeRequest r = request(4, Size{13, 9});
        r.keepAlpha = true;
        decodePicture(file, PictureRoute::Generic, r, target);
    });
}
