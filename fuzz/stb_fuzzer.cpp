#include "imaging/decoded_picture.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_error.h"
#include "imaging/stb_decoder.h"

#include <cstdint>
#include <span>

// Feeds arbitrary bytes to the decoder of TGA, PSD and Softimage PIC files through stb_image; the first byte
// picks the format. Every outcome but a PictureError or a picture is a fault: a crash, a read outside the
// buffer, a hang or an allocation beyond the limit.
namespace {

using namespace quiltara::imaging;

// Small enough that libFuzzer's memory limit is never the one that stops a
// hostile size; the decoders apply the same checks at any limit.
constexpr std::uint64_t kFuzzMaxPixels = 4'000'000;

[[maybe_unused]] DecodeRequest request(int bytesPerPixel, std::optional<Size> size = std::nullopt)
{
    DecodeRequest r = decodeAs(bytesPerPixel, size);
    r.maxPixels = kFuzzMaxPixels;
    return r;
}

void decode(std::span<const std::uint8_t> file)
{
    [[maybe_unused]] Bitmap target;
    if (file.empty())
        return;
    const PictureFormat formats[] = {PictureFormat::Tga, PictureFormat::Psd, PictureFormat::Pic};
    const PictureFormat format = formats[file[0] % 3];
    file = file.subspan(1);
    readStbHeader(file, format, kFuzzMaxPixels);
    decodeStb(file, format, kFuzzMaxPixels, rawPictureBitmap());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        decode({data, size});
    }
    catch (const PictureError&) {
    }
    return 0;
}
