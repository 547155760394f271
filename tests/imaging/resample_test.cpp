#include "imaging/resample.h"

#include "imaging/geometry.h"
#include "imaging/imaging_error.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quiltara::imaging {
namespace {

using testing::pixelBytes;
using testing::randomBitmap;

// The resampler written as plainly as possible: one output channel at a time,
// contributors found afresh for every sample, float arithmetic in the written
// order. The fast path must give the same bytes.
struct ReferenceWeight {
    int index;
    float weight;
};

std::vector<ReferenceWeight> referenceWeights(int n, int m, int i, const ResampleFilter& filter,
                                              float support)
{
    float scale = static_cast<float>(m - 1) / static_cast<float>(n - 1);
    if (n == 1 || m == 1)
        scale = static_cast<float>(m) / static_cast<float>(n);
    std::vector<ReferenceWeight> weights;
    const float centre = static_cast<float>(i) / scale;
    if (scale >= 1.0f) {
        for (int j = static_cast<int>(std::floor(centre - support));
             j <= static_cast<int>(std::ceil(centre + support)); ++j) {
            const float w = filter.weight(centre - static_cast<float>(j));
            if (w != 0.0f)
                weights.push_back({j, w});
        }
    } else {
        const float width = support / scale;
        const float fscale = 1.0f / scale;
        for (int j = static_cast<int>(std::floor(centre - width));
             j <= static_cast<int>(std::ceil(centre + width)); ++j) {
            const float w = filter.weight((centre - static_cast<float>(j)) / fscale) / fscale;
            if (w != 0.0f)
                weights.push_back({j, w});
        }
    }
    for (auto& w : weights) {
        while (w.index < 0 || w.index >= n) {
            if (w.index < 0)
                w.index = -w.index;
            else
                w.index = 2 * n - 1 - w.index;
        }
    }
    return weights;
}

std::uint8_t referenceByte(float sum)
{
    if (sum > 255.0f)
        return 255;
    if (sum < 0.0f)
        return 0;
    return static_cast<std::uint8_t>(std::nearbyint(sum));
}

Bitmap referenceResample(const PixelView& source, int width, int height, const ResampleFilter& filter,
                         float support)
{
    Bitmap between(width, source.height, 3);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto weights = referenceWeights(source.width, width, x, filter, support);
            for (int c = 0; c < 3; ++c) {
                float sum = 0.0f;
                for (const auto& w : weights)
                    sum += w.weight * static_cast<float>(source.pixel(w.index, y)[c]);
                between.view().pixel(x, y)[c] = referenceByte(sum);
            }
        }
    Bitmap result(width, height, 3);
    for (int y = 0; y < height; ++y) {
        const auto weights = referenceWeights(source.height, height, y, filter, support);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                float sum = 0.0f;
                for (const auto& w : weights)
                    sum += w.weight * static_cast<float>(between.view().pixel(x, w.index)[c]);
                result.view().pixel(x, y)[c] = referenceByte(sum);
            }
    }
    return result;
}

struct ResampleCase {
    int sourceWidth, sourceHeight, sourceBpp;
    int width, height;
};

void PrintTo(const ResampleCase& c, std::ostream* os)
{
    *os << c.sourceWidth << 'x' << c.sourceHeight << '@' << c.sourceBpp * 8 << " -> " << c.width << 'x'
        << c.height;
}

class ResampleMatchesReference : public ::testing::TestWithParam<ResampleCase> {};

TEST_P(ResampleMatchesReference, ByteForByte)
{
    const auto c = GetParam();
    const Bitmap source = randomBitmap(c.sourceWidth, c.sourceHeight, c.sourceBpp, 77);
    const Bitmap expected = referenceResample(source.view(), c.width, c.height, lanczos3(), 3.0f);

    // With and without the eight-lane paths (where the processor has them).
    for (bool avx2 : {false, true}) {
        allowAvx2Resampling(avx2);
        Bitmap destination(c.width, c.height, 4);
        StretchAndResample(source.view(), destination);
        ASSERT_EQ(destination.bytesPerPixel(), 3);
        ASSERT_EQ(destination.width(), c.width);
        EXPECT_EQ(pixelBytes(destination.view()), pixelBytes(expected.view())) << (avx2 ? "AVX2" : "SSE");
    }

    // Into a 32-bit view: the same channels, 0 in the fourth byte.
    Bitmap wide = randomBitmap(c.width, c.height, 4, 5);
    resampleInto(source.view(), wide.view());
    Bitmap narrowed(c.width, c.height, 3);
    copyPixels(wide.view(), narrowed.view());
    EXPECT_EQ(pixelBytes(narrowed.view()), pixelBytes(expected.view()));
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            ASSERT_EQ(wide.view().pixel(x, y)[3], 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResampleMatchesReference,
                         ::testing::Values(ResampleCase{1, 1, 3, 5, 3}, ResampleCase{1, 7, 4, 4, 9},
                                           ResampleCase{2, 2, 3, 7, 7}, ResampleCase{2, 2, 4, 1, 1},
                                           ResampleCase{13, 7, 3, 5, 11}, ResampleCase{37, 23, 4, 9, 4},
                                           ResampleCase{3, 50, 3, 17, 2}, ResampleCase{61, 1, 3, 1, 5},
                                           ResampleCase{40, 30, 3, 161, 120},
                                           ResampleCase{301, 203, 4, 75, 50},
                                           ResampleCase{150, 130, 3, 150, 131}));

TEST(StretchAndResample, SameSizeLeavesThePhotoUnchanged)
{
    // Scale exactly 1: the centre weight is 1 and the others are all but 0.
    const Bitmap source = randomBitmap(100, 100, 3, 9);
    Bitmap destination(100, 100, 3);
    StretchAndResample(source.view(), destination);
    EXPECT_EQ(pixelBytes(destination.view()), pixelBytes(source.view()));
}

TEST(StretchAndResample, EmptySourceIsTooSmall)
{
    Bitmap destination(10, 10, 3);
    for (const Size size : {Size{0, 5}, Size{5, 0}}) {
        const Bitmap source(size.width, size.height, 3);
        try {
            StretchAndResample(source.view(), destination);
            ADD_FAILURE() << "no error for " << size.width << 'x' << size.height;
        }
        catch (const ImagingError& e) {
            EXPECT_STREQ(e.what(), "Source bitmap too small");
        }
    }
}

TEST(Contributors, EveryIndexLiesInsideTheSource)
{
    // Short sources: the kernel reaches past both edges, some indices several
    // times over.
    struct Axis {
        int source, target;
    };
    for (const Axis axis : {Axis{1, 9}, Axis{2, 50}, Axis{3, 1}, Axis{2, 1}, Axis{5, 2}, Axis{400, 3}}) {
        Contributors contributors;
        buildContributors(axis.source, axis.target, lanczos3(), 3.0f, contributors);
        ASSERT_EQ(contributors.first.size(), static_cast<std::size_t>(axis.target) + 1);
        for (int index : contributors.index)
            ASSERT_TRUE(index >= 0 && index < axis.source) << axis.source << " -> " << axis.target;
        for (float weight : contributors.weight)
            ASSERT_NE(weight, 0.0f);
    }
}

TEST(Contributors, SinglePixelSourceUsesTheRatioOfSizes)
{
    // Scale 4 / 1: output sample 2 is centred on 0.5 and takes all its weights
    // from the one source sample.
    Contributors contributors;
    buildContributors(1, 4, lanczos3(), 3.0f, contributors);
    float sum = 0.0f;
    for (int k = contributors.first[2]; k < contributors.first[3]; ++k)
        sum += contributors.weight[k];
    float expected = 0.0f;
    for (int j = -3; j <= 4; ++j)
        expected += lanczos3Filter(0.5f - static_cast<float>(j));
    EXPECT_EQ(sum, expected);
}

TEST(ResampleFilters, TableHoldsTheSevenKernelsAndTheirSupports)
{
    const auto filters = resampleFilters();
    ASSERT_EQ(filters.size(), 7u);
    const std::pair<const char*, float> expected[] = {
        {"Box", 0.5f},      {"Triangle", 1.0f}, {"Hermite", 1.0f}, {"Bell", 1.5f},
        {"B-Spline", 2.0f}, {"Lanczos3", 3.0f}, {"Mitchell", 2.0f}};
    for (std::size_t i = 0; i < filters.size(); ++i) {
        EXPECT_STREQ(filters[i].name, expected[i].first);
        EXPECT_EQ(filters[i].support, expected[i].second);
        // Each kernel is 1 or close to it at the centre, symmetric, and 0 at its support.
        EXPECT_NEAR(filters[i].weight(0.0f), 1.0f, 0.34f) << filters[i].name;
        EXPECT_EQ(filters[i].weight(0.3f), filters[i].weight(-0.3f)) << filters[i].name;
        EXPECT_EQ(filters[i].weight(filters[i].support + 0.01f), 0.0f) << filters[i].name;
    }
    EXPECT_EQ(&lanczos3(), &filters[5]);
}

TEST(ResampleFilters, Lanczos3IsTheProductOfTwoFloatSincs)
{
    EXPECT_EQ(lanczos3Filter(0.0f), 1.0f);
    EXPECT_EQ(lanczos3Filter(3.0f), 0.0f);
    EXPECT_EQ(lanczos3Filter(-4.5f), 0.0f);
    const float x = 0.75f;
    const float near = static_cast<float>(std::sin(M_PI * 0.75) / (M_PI * 0.75));
    const float far = static_cast<float>(std::sin(M_PI * 0.25) / (M_PI * 0.25));
    EXPECT_EQ(lanczos3Filter(x), near * far);
    EXPECT_EQ(lanczos3Filter(-x), near * far);
}

} // namespace
} // namespace quiltara::imaging
