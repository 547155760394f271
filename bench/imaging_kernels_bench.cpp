// The resampler and the rotation on the sizes the program meets most: a
// large photo shrunk at a quarter, a small one enlarged four times, and a
// screen-sized photo turned by 30 degrees. Decoding is not measured; the
// destination bitmaps are reused between iterations, as the program reuses
// its working bitmaps.
#include "imaging_bench_inputs.h"

#include "imaging/resample.h"
#include "imaging/rotate.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace quiltara;

void resample(benchmark::State& state, const char* input, int sourceWidth, int sourceHeight, int width,
              int height)
{
    const imaging::Bitmap source = bench::benchPicture(input, sourceWidth, sourceHeight);
    imaging::Bitmap destination(width, height, 3);
    for (auto _ : state) {
        imaging::StretchAndResample(source.view(), destination);
        benchmark::DoNotOptimize(destination.data());
    }
    state.counters["Mpixel/s"] = benchmark::Counter(static_cast<double>(width) * height / 1e6,
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ResampleLanczos3_6000x4000_to_1500x1000(benchmark::State& state)
{
    resample(state, "large.ppm", 6000, 4000, 1500, 1000);
}

void BM_ResampleLanczos3_400x300_to_1600x1200(benchmark::State& state)
{
    resample(state, "small.ppm", 400, 300, 1600, 1200);
}

void BM_RotateBilinear_1600x1200_by_30(benchmark::State& state)
{
    const imaging::Bitmap original = bench::benchPicture("screen.ppm", 1600, 1200, 4);
    imaging::Bitmap picture = original;
    for (auto _ : state) {
        // Each turn starts from the unturned picture, as RotatePhoto does.
        state.PauseTiming();
        std::memcpy(picture.data(), original.data(), original.sizeInBytes());
        state.ResumeTiming();
        imaging::RotateBitmapByAngle(picture.view(), 30, 0x00C0C0C0, true);
        benchmark::DoNotOptimize(picture.data());
    }
    state.counters["Mpixel/s"] =
        benchmark::Counter(1600.0 * 1200.0 / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_ResampleLanczos3_6000x4000_to_1500x1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ResampleLanczos3_400x300_to_1600x1200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RotateBilinear_1600x1200_by_30)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
