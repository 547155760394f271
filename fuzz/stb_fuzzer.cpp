#include "imaging/stb_decoder.h"

#include "picture_fuzzing.h"

// Feeds arbitrary bytes to the decoder of TGA, PSD and Softimage PIC files through
// stb_image; the first byte picks the format.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    using namespace quiltara::fuzzing;
    return fuzzDecoder(data, size, [](std::span<const std::uint8_t> file) {
        if (file.empty())
            return;
        const PictureFormat formats[] = {PictureFormat::Tga, PictureFormat::Psd, PictureFormat::Pic};
        const PictureFormat format = formats[file[0] % 3];
        file = file.subspan(1);
        readStbHeader(file, format, kFuzzMaxPixels);
        decodeStb(file, format, kFuzzMaxPixels, rawPictureBitmap());
    });
}
