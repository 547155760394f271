#pragma once

#include "imaging/bitmap.h"
#include "imaging/picture_decoder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace quiltara::bench {

// The pictures the benchmarks work on. scripts/bench-imaging.sh makes them
// once in QUILTARA_BENCH_DATA and gives the same files to the tools it
// compares with; without that folder a photo-like picture of the same size
// is made here, so the programs also run on their own.
inline std::filesystem::path benchData(const char* name)
{
    const char* folder = std::getenv("QUILTARA_BENCH_DATA");
    return folder ? std::filesystem::path(folder) / name : std::filesystem::path();
}

inline imaging::Bitmap benchPicture(const char* name, int width, int height, int bytesPerPixel = 3)
{
    imaging::Bitmap picture;
    const auto path = benchData(name);
    if (!path.empty() && std::filesystem::exists(path)) {
        imaging::decodePictureFile(path, imaging::decodeAs(bytesPerPixel), picture);
        return picture;
    }
    // Smooth gradients with some noise, as a photo has.
    picture.resize(width, height, bytesPerPixel);
    std::mt19937 rng(7);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = picture.view().rowData(y);
        for (int x = 0; x < width; ++x, p += bytesPerPixel) {
            const int noise = static_cast<int>(rng() % 24);
            p[0] = static_cast<std::uint8_t>((x * 200 / width + noise) & 0xFF);
            p[1] = static_cast<std::uint8_t>((y * 200 / height + noise) & 0xFF);
            p[2] = static_cast<std::uint8_t>(((x + y) * 100 / (width + height) + 2 * noise) & 0xFF);
            if (bytesPerPixel == 4)
                p[3] = 0;
        }
    }
    return picture;
}

} // namespace quiltara::bench
