#include "imaging/resample.h"

#include "imaging/imaging_error.h"
#include "imaging/parallel_rows.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <immintrin.h>

// The arithmetic is fixed sample by sample: 32-bit float products summed in
// contributor order, then clamped and rounded to the nearest integer (halves
// to even). The vector code below does exactly those operations, one lane per
// channel or per byte, so it gives the same bytes as a plain loop would.

namespace quiltara::imaging {
namespace {

int mirrorIndex(int j, int n)
{
    while (j < 0 || j >= n)
        j = j < 0 ? -j : 2 * n - 1 - j;
    return j;
}

std::atomic<bool> g_avx2Allowed{true};

bool hasAvx2();

// toByte on eight sums at a time; returns how many were stored.
__attribute__((target("avx2"))) int storeBytesAvx2(const float* sums, std::uint8_t* out, int length)
{
    int e = 0;
    for (; e + 8 <= length; e += 8) {
        const __m256i rounded = _mm256_cvtps_epi32(_mm256_min_ps(
            _mm256_max_ps(_mm256_loadu_ps(sums + e), _mm256_setzero_ps()), _mm256_set1_ps(255.0f)));
        const __m128i words =
            _mm_packs_epi32(_mm256_castsi256_si128(rounded), _mm256_extracti128_si256(rounded, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + e), _mm_packus_epi16(words, words));
    }
    return e;
}

bool hasAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2 && g_avx2Allowed.load(std::memory_order_relaxed);
}

// Clamps to 0 ... 255 and rounds to the nearest integer, halves to even.
inline std::uint8_t toByte(float sum)
{
    if (sum > 255.0f)
        return 255;
    if (sum < 0.0f)
        return 0;
    return static_cast<std::uint8_t>(std::nearbyint(sum));
}

// Everything a call needs besides its input and output, kept between calls
// so that large resamplings do not take fresh memory each time.
// The column contributors of two neighbouring output pixels side by side,
// the shorter list padded at its end with weight 0 (adding 0 x a byte leaves
// a sum unchanged), so that eight lanes compute both pixels at once.
struct PairedColumns {
    std::vector<int> first;     // per pair of output columns
    std::vector<int> left;      // source pixel of the left column, per entry
    std::vector<int> right;     // and of the right one
    std::vector<float> weights; // 8 per entry: the left weight 4 times, the right one 4 times
};

void pairColumns(const Contributors& columns, PairedColumns& out)
{
    out.first.assign(1, 0);
    out.left.clear();
    out.right.clear();
    out.weights.clear();
    const int count = static_cast<int>(columns.first.size()) - 1;
    for (int i = 0; i + 1 < count; i += 2) {
        const int a = columns.first[i], na = columns.first[i + 1] - a;
        const int b = columns.first[i + 1], nb = columns.first[i + 2] - b;
        for (int k = 0; k < std::max(na, nb); ++k) {
            const bool hasA = k < na, hasB = k < nb;
            out.left.push_back(hasA ? columns.index[a + k] : columns.index[a]);
            out.right.push_back(hasB ? columns.index[b + k] : columns.index[b]);
            const float wa = hasA ? columns.weight[a + k] : 0.0f;
            const float wb = hasB ? columns.weight[b + k] : 0.0f;
            out.weights.insert(out.weights.end(), {wa, wa, wa, wa, wb, wb, wb, wb});
        }
        out.first.push_back(static_cast<int>(out.left.size()));
    }
}

struct Scratch {
    Contributors columns;
    PairedColumns pairedColumns;
    Contributors rows;
    Bitmap between;
    std::vector<std::vector<float>> bandRows;
};

Scratch& scratch()
{
    thread_local Scratch s;
    return s;
}

// One source row, blue, green, red and 0 as floats per pixel, so that each
// contributor costs one four-lane multiply and add.
void loadRow(const std::uint8_t* row, int width, int bytesPerPixel, float* out)
{
    for (int x = 0; x < width; ++x, row += bytesPerPixel, out += 4) {
        out[0] = row[0];
        out[1] = row[1];
        out[2] = row[2];
        out[3] = 0.0f;
    }
}

// loadRow four pixels at a time: the bytes spread to B, G, R, 0 lanes and
// converted exactly.
__attribute__((target("avx2"))) void loadRowAvx2(const std::uint8_t* row, int width, int bytesPerPixel,
                                                 float* out)
{
    const __m128i spread = bytesPerPixel == 3
                               ? _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1)
                               : _mm_setr_epi8(0, 1, 2, -1, 4, 5, 6, -1, 8, 9, 10, -1, 12, 13, 14, -1);
    int x = 0;
    // Sixteen bytes are read for four pixels; stop where that would pass the row.
    for (; (x + 4) * bytesPerPixel + (bytesPerPixel == 3 ? 4 : 0) <= width * bytesPerPixel; x += 4) {
        const __m128i bytes = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(
                                                   row + static_cast<std::ptrdiff_t>(x) * bytesPerPixel)),
                                               spread);
        _mm256_storeu_ps(out + 4 * x, _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes)));
        _mm256_storeu_ps(out + 4 * x + 8, _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_srli_si128(bytes, 8))));
    }
    loadRow(row + static_cast<std::ptrdiff_t>(x) * bytesPerPixel, width - x, bytesPerPixel, out + 4 * x);
}

// Rounds and stores the two pixels of one pair from eight lanes.
__attribute__((target("avx2"))) inline void storePair(__m256 sum, std::uint8_t* out)
{
    const __m256i rounded =
        _mm256_cvtps_epi32(_mm256_min_ps(_mm256_max_ps(sum, _mm256_setzero_ps()), _mm256_set1_ps(255.0f)));
    const __m128i words =
        _mm_packs_epi32(_mm256_castsi256_si128(rounded), _mm256_extracti128_si256(rounded, 1));
    const auto packed = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_packus_epi16(words, words)));
    out[0] = static_cast<std::uint8_t>(packed);
    out[1] = static_cast<std::uint8_t>(packed >> 8);
    out[2] = static_cast<std::uint8_t>(packed >> 16);
    out[3] = static_cast<std::uint8_t>(packed >> 32);
    out[4] = static_cast<std::uint8_t>(packed >> 40);
    out[5] = static_cast<std::uint8_t>(packed >> 48);
}

// Rows are taken Rows at a time: each sum is still one chain in contributor
// order, but the chains of different rows run side by side instead of each
// waiting for the latency of the one before.
template <int Rows>
__attribute__((target("avx2"))) void horizontalRowsAvx2(const PixelView& source, const Contributors& columns,
                                                        const PairedColumns& pairs, const PixelView& between,
                                                        int y, float* rowFloats)
{
    const std::size_t rowLength = static_cast<std::size_t>(source.width) * 4;
    for (int r = 0; r < Rows; ++r)
        loadRowAvx2(source.rowData(y + r), source.width, source.bytesPerPixel, rowFloats + r * rowLength);
    std::uint8_t* out[Rows];
    for (int r = 0; r < Rows; ++r)
        out[r] = between.rowData(y + r);
    const int pairCount = static_cast<int>(pairs.first.size()) - 1;
    for (int p = 0; p < pairCount; ++p) {
        __m256 sum[Rows];
        for (int r = 0; r < Rows; ++r)
            sum[r] = _mm256_setzero_ps();
        for (int k = pairs.first[p]; k < pairs.first[p + 1]; ++k) {
            const __m256 w = _mm256_loadu_ps(pairs.weights.data() + 8 * k);
            const float* left = rowFloats + 4 * pairs.left[k];
            const float* right = rowFloats + 4 * pairs.right[k];
            for (int r = 0; r < Rows; ++r) {
                const __m256 v =
                    _mm256_set_m128(_mm_loadu_ps(right + r * rowLength), _mm_loadu_ps(left + r * rowLength));
                sum[r] = _mm256_add_ps(sum[r], _mm256_mul_ps(w, v));
            }
        }
        for (int r = 0; r < Rows; ++r)
            storePair(sum[r], out[r] + 6 * p);
    }
    // An odd last column goes alone.
    if (2 * pairCount < between.width) {
        const int i = 2 * pairCount;
        for (int r = 0; r < Rows; ++r) {
            __m128 sum = _mm_setzero_ps();
            for (int k = columns.first[i]; k < columns.first[i + 1]; ++k)
                sum = _mm_add_ps(sum,
                                 _mm_mul_ps(_mm_set1_ps(columns.weight[k]),
                                            _mm_loadu_ps(rowFloats + r * rowLength + 4 * columns.index[k])));
            const __m128i rounded =
                _mm_cvtps_epi32(_mm_min_ps(_mm_max_ps(sum, _mm_setzero_ps()), _mm_set1_ps(255.0f)));
            const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(rounded, rounded), rounded);
            const auto packed = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
            std::uint8_t* o = out[r] + 3 * i;
            o[0] = static_cast<std::uint8_t>(packed);
            o[1] = static_cast<std::uint8_t>(packed >> 8);
            o[2] = static_cast<std::uint8_t>(packed >> 16);
        }
    }
}

constexpr int kRowsAtOnce = 4;

__attribute__((target("avx2"))) void horizontalPassAvx2(const PixelView& source, const Contributors& columns,
                                                        const PairedColumns& pairs, const PixelView& between,
                                                        int firstRow, int lastRow,
                                                        std::vector<float>& rowFloats)
{
    rowFloats.resize(static_cast<std::size_t>(source.width) * 4 * kRowsAtOnce);
    int y = firstRow;
    for (; y + kRowsAtOnce <= lastRow; y += kRowsAtOnce)
        horizontalRowsAvx2<kRowsAtOnce>(source, columns, pairs, between, y, rowFloats.data());
    for (; y < lastRow; ++y)
        horizontalRowsAvx2<1>(source, columns, pairs, between, y, rowFloats.data());
}

void horizontalPass(const PixelView& source, const Contributors& columns, const PixelView& between,
                    int firstRow, int lastRow, std::vector<float>& rowFloats)
{
    rowFloats.resize(static_cast<std::size_t>(source.width) * 4);
    const __m128 zero = _mm_setzero_ps();
    const __m128 top = _mm_set1_ps(255.0f);
    const int* first = columns.first.data();
    const int* index = columns.index.data();
    const float* weight = columns.weight.data();
    for (int y = firstRow; y < lastRow; ++y) {
        loadRow(source.rowData(y), source.width, source.bytesPerPixel, rowFloats.data());
        const float* pixels = rowFloats.data();
        std::uint8_t* out = between.rowData(y);
        for (int i = 0; i < between.width; ++i, out += 3) {
            __m128 sum = _mm_setzero_ps();
            for (int k = first[i]; k < first[i + 1]; ++k)
                sum =
                    _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(weight[k]), _mm_loadu_ps(pixels + 4 * index[k])));
            // Clamping first and then rounding by the current (nearest-even)
            // mode is the same as the rule "255 above, 0 below, else rounded".
            const __m128i rounded = _mm_cvtps_epi32(_mm_min_ps(_mm_max_ps(sum, zero), top));
            const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(rounded, rounded), rounded);
            const auto packed = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
            out[0] = static_cast<std::uint8_t>(packed);
            out[1] = static_cast<std::uint8_t>(packed >> 8);
            out[2] = static_cast<std::uint8_t>(packed >> 16);
        }
    }
}

// The sums of one output row of the vertical pass, byte by byte across the
// row, with no vector instructions of its own.
void verticalSumsPlain(const PixelView& between, const int* index, const float* weight, int count,
                       float* sums, int length)
{
    std::fill(sums, sums + length, 0.0f);
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* row = between.rowData(index[k]);
        const float w = weight[k];
        for (int e = 0; e < length; ++e)
            sums[e] = sums[e] + w * static_cast<float>(row[e]);
    }
}

// The same, 32 bytes of the row at a time in eight-lane registers; the tail
// goes through the plain loop.
__attribute__((target("avx2"))) void verticalSumsAvx2(const PixelView& between, const int* index,
                                                      const float* weight, int count, float* sums, int length)
{
    const int blocked = length / 32 * 32;
    for (int e = 0; e < blocked; e += 32) {
        __m256 s0 = _mm256_setzero_ps();
        __m256 s1 = _mm256_setzero_ps();
        __m256 s2 = _mm256_setzero_ps();
        __m256 s3 = _mm256_setzero_ps();
        for (int k = 0; k < count; ++k) {
            const std::uint8_t* row = between.rowData(index[k]) + e;
            const __m256 w = _mm256_set1_ps(weight[k]);
            const __m128i bytes0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
            const __m128i bytes1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 16));
            const __m256 v0 = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes0));
            const __m256 v1 = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_srli_si128(bytes0, 8)));
            const __m256 v2 = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes1));
            const __m256 v3 = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_srli_si128(bytes1, 8)));
            s0 = _mm256_add_ps(s0, _mm256_mul_ps(w, v0));
            s1 = _mm256_add_ps(s1, _mm256_mul_ps(w, v1));
            s2 = _mm256_add_ps(s2, _mm256_mul_ps(w, v2));
            s3 = _mm256_add_ps(s3, _mm256_mul_ps(w, v3));
        }
        _mm256_storeu_ps(sums + e, s0);
        _mm256_storeu_ps(sums + e + 8, s1);
        _mm256_storeu_ps(sums + e + 16, s2);
        _mm256_storeu_ps(sums + e + 24, s3);
    }
    if (blocked < length) {
        PixelView shifted = between;
        shifted.data += blocked;
        verticalSumsPlain(shifted, index, weight, count, sums + blocked, length - blocked);
    }
}

void verticalPass(const PixelView& between, const Contributors& rows, const PixelView& destination,
                  int firstRow, int lastRow, std::vector<float>& sums)
{
    const int length = between.width * 3;
    sums.resize(static_cast<std::size_t>(length));
    const auto sumRow = hasAvx2() ? &verticalSumsAvx2 : &verticalSumsPlain;
    for (int i = firstRow; i < lastRow; ++i) {
        const int begin = rows.first[i];
        sumRow(between, rows.index.data() + begin, rows.weight.data() + begin, rows.first[i + 1] - begin,
               sums.data(), length);
        std::uint8_t* out = destination.rowData(i);
        if (destination.bytesPerPixel == 3) {
            const int done = hasAvx2() ? storeBytesAvx2(sums.data(), out, length) : 0;
            for (int e = done; e < length; ++e)
                out[e] = toByte(sums[e]);
        } else {
            for (int x = 0; x < destination.width; ++x, out += 4) {
                out[0] = toByte(sums[3 * x]);
                out[1] = toByte(sums[3 * x + 1]);
                out[2] = toByte(sums[3 * x + 2]);
                out[3] = 0;
            }
        }
    }
}

// Bands of fewer rows are not worth a thread.
constexpr int kMinRowsPerBand = 64;

} // namespace

void buildContributors(int sourceSize, int targetSize, const ResampleFilter& filter, float support,
                       Contributors& out)
{
    out.first.assign(1, 0);
    out.index.clear();
    out.weight.clear();
    const float scale = sourceSize == 1 || targetSize == 1
                            ? static_cast<float>(targetSize) / static_cast<float>(sourceSize)
                            : static_cast<float>(targetSize - 1) / static_cast<float>(sourceSize - 1);
    const bool upsampling = scale >= 1.0f;
    const float width = upsampling ? support : support / scale;
    const float fscale = 1.0f / scale;
    for (int i = 0; i < targetSize; ++i) {
        const float centre = static_cast<float>(i) / scale;
        const int left = static_cast<int>(std::floor(centre - width));
        const int right = static_cast<int>(std::ceil(centre + width));
        for (int j = left; j <= right; ++j) {
            const float distance = centre - static_cast<float>(j);
            const float w = upsampling ? filter.weight(distance) : filter.weight(distance / fscale) / fscale;
            if (w == 0.0f)
                continue;
            out.index.push_back(mirrorIndex(j, sourceSize));
            out.weight.push_back(w);
        }
        out.first.push_back(static_cast<int>(out.index.size()));
    }
}

void resampleInto(const PixelView& source, const PixelView& destination, const ResampleFilter& filter,
                  float support)
{
    if (source.empty() || !source.data)
        throw ImagingError("Source bitmap too small");
    if (destination.empty())
        return;
    Scratch& s = scratch();
    buildContributors(source.width, destination.width, filter, support, s.columns);
    buildContributors(source.height, destination.height, filter, support, s.rows);
    if (hasAvx2())
        pairColumns(s.columns, s.pairedColumns);
    s.between.resize(destination.width, source.height, 3);
    s.bandRows.resize(static_cast<std::size_t>(maxRowBands()));
    const PixelView between = s.between.view();
    parallelRows(source.height, kMinRowsPerBand, [&](int band, int first, int last) {
        if (hasAvx2())
            horizontalPassAvx2(source, s.columns, s.pairedColumns, between, first, last, s.bandRows[band]);
        else
            horizontalPass(source, s.columns, between, first, last, s.bandRows[band]);
    });
    parallelRows(destination.height, kMinRowsPerBand, [&](int band, int first, int last) {
        verticalPass(between, s.rows, destination, first, last, s.bandRows[band]);
    });
}

void allowAvx2Resampling(bool allowed)
{
    g_avx2Allowed = allowed;
}

void StretchAndResample(const PixelView& source, Bitmap& destination, const ResampleFilter& filter,
                        float support)
{
    if (source.empty() || !source.data)
        throw ImagingError("Source bitmap too small");
    destination.resize(destination.width(), destination.height(), 3);
    resampleInto(source, destination.view(), filter, support);
}

} // namespace quiltara::imaging
