#pragma once

// What the picture decoders' fuzz targets share: the pixel limit and the
// rule that a PictureError or a picture are the only acceptable outcomes.
// Anything else is a fault: a crash, a read outside the buffer, a hang, an
// allocation beyond the limit, or another exception escaping.

#include "imaging/decoded_picture.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_error.h"

#include <cstdint>
#include <optional>
#include <span>

namespace quiltara::fuzzing {

// Small enough that libFuzzer's memory limit is never the one that stops a
// hostile size; the decoders apply the same checks at any limit.
inline constexpr std::uint64_t kFuzzMaxPixels = 4'000'000;

inline imaging::DecodeRequest request(int bytesPerPixel, std::optional<imaging::Size> size = std::nullopt)
{
    imaging::DecodeRequest r = imaging::decodeAs(bytesPerPixel, size);
    r.maxPixels = kFuzzMaxPixels;
    return r;
}

template <typename Decode>
int fuzzDecoder(const std::uint8_t* data, std::size_t size, Decode&& decode)
{
    try {
        decode(std::span<const std::uint8_t>(data, size));
    }
    catch (const imaging::PictureError&) {
    }
    return 0;
}

} // namespace quiltara::fuzzing
