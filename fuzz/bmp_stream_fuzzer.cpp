#include "imaging/bmp_stream.h"
#include "imaging/imaging_error.h"

#include <cstdint>
#include <vector>

// Feeds arbitrary bytes to the in-memory BMP reader: it must accept or
// refuse them without reading outside the buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::imaging;
    BmpStream stream;
    try {
        stream.assignFile(std::vector<std::uint8_t>(data, data + size));
        Bitmap bitmap;
        stream.loadInto(bitmap, 4);
        if (bitmap.width() != stream.width() || bitmap.height() != stream.height())
            __builtin_trap();
    }
    catch (const ImagingError&) {
    }
    return 0;
}
