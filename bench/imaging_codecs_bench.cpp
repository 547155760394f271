// JPEG decoding of a 24-megapixel photo, in full and reduced as the program
// loads large photos (DCT scaling, then the plain stretch to the exact
// size), and JPEG encoding of a 12-megapixel picture at quality 90. The
// decode reads the file each time, as loading a photo does; the bitmaps and
// the output buffer are reused between iterations.
#include "imaging_bench_inputs.h"

#include "imaging/jpeg_codec.h"
#include "imaging/large_photo.h"
#include "imaging/picture_decoder.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace quiltara;

// The photo file: the script's, or one encoded here from a made-up photo.
std::filesystem::path photoFile()
{
    const auto given = bench::benchData("photo.jpg");
    if (!given.empty() && std::filesystem::exists(given))
        return given;
    const auto path = std::filesystem::temp_directory_path() / "quiltara-bench-photo.jpg";
    if (!std::filesystem::exists(path)) {
        const imaging::Bitmap photo = bench::benchPicture("", 6000, 4000);
        std::vector<std::uint8_t> bytes;
        imaging::encodeJpeg(photo.view(), 90, bytes);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    return path;
}

void BM_JpegDecodeReduced_6000x4000(benchmark::State& state)
{
    const auto path = photoFile();
    const imaging::Size full = imaging::queryPictureFile(path).size;
    const auto reduced = imaging::largePhotoReducedSize(full);
    imaging::Bitmap picture;
    for (auto _ : state) {
        imaging::decodePictureFile(path, imaging::decodeAs(3, reduced), picture);
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetLabel(std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
}

void BM_JpegDecodeFull_6000x4000(benchmark::State& state)
{
    const auto path = photoFile();
    imaging::Bitmap picture;
    for (auto _ : state) {
        imaging::decodePictureFile(path, imaging::decodeAs(3), picture);
        benchmark::DoNotOptimize(picture.data());
    }
}

void BM_JpegEncodeQuality90_4000x3000(benchmark::State& state)
{
    const imaging::Bitmap picture = bench::benchPicture("export.ppm", 4000, 3000);
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        imaging::encodeJpeg(picture.view(), 90, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(std::to_string(out.size() / 1024) + " KiB");
}

BENCHMARK(BM_JpegDecodeReduced_6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegDecodeFull_6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegEncodeQuality90_4000x3000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
