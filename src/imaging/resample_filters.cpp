#include "imaging/resample_filters.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quiltara::imaging {
namespace {

// sin(pi t) / (pi t), rounded to a 32-bit float.
float sinc(float t)
{
    if (t == 0.0f)
        return 1.0f;
    const double a = std::numbers::pi * static_cast<double>(t);
    return static_cast<float>(std::sin(a) / a);
}

constexpr std::array<ResampleFilter, 7> kFilters{{
    {"Box", &boxFilter, 0.5f},
    {"Triangle", &triangleFilter, 1.0f},
    {"Hermite", &hermiteFilter, 1.0f},
    {"Bell", &bellFilter, 1.5f},
    {"B-Spline", &bSplineFilter, 2.0f},
    {"Lanczos3", &lanczos3Filter, 3.0f},
    {"Mitchell", &mitchellFilter, 2.0f},
}};

} // namespace

float boxFilter(float x)
{
    return x > -0.5f && x <= 0.5f ? 1.0f : 0.0f;
}

float triangleFilter(float x)
{
    x = std::fabs(x);
    return x < 1.0f ? 1.0f - x : 0.0f;
}

float hermiteFilter(float x)
{
    x = std::fabs(x);
    return x < 1.0f ? (2.0f * x - 3.0f) * x * x + 1.0f : 0.0f;
}

float bellFilter(float x)
{
    x = std::fabs(x);
    if (x < 0.5f)
        return 0.75f - x * x;
    if (x < 1.5f) {
        x -= 1.5f;
        return 0.5f * x * x;
    }
    return 0.0f;
}

float bSplineFilter(float x)
{
    x = std::fabs(x);
    if (x < 1.0f) {
        const float xx = x * x;
        return 0.5f * xx * x - xx + 2.0f / 3.0f;
    }
    if (x < 2.0f) {
        x = 2.0f - x;
        return x * x * x / 6.0f;
    }
    return 0.0f;
}

float lanczos3Filter(float x)
{
    x = std::fabs(x);
    if (x >= 3.0f)
        return 0.0f;
    const float near = sinc(x);
    const float far = sinc(x / 3.0f);
    return near * far;
}

float mitchellFilter(float x)
{
    constexpr float b = 1.0f / 3.0f;
    constexpr float c = 1.0f / 3.0f;
    x = std::fabs(x);
    const float xx = x * x;
    if (x < 1.0f)
        return ((12.0f - 9.0f * b - 6.0f * c) * (x * xx) + (-18.0f + 12.0f * b + 6.0f * c) * xx +
                (6.0f - 2.0f * b)) /
               6.0f;
    if (x < 2.0f)
        return ((-b - 6.0f * c) * (x * xx) + (6.0f * b + 30.0f * c) * xx + (-12.0f * b - 48.0f * c) * x +
                (8.0f * b + 24.0f * c)) /
               6.0f;
    return 0.0f;
}

std::span<const ResampleFilter> resampleFilters()
{
    return kFilters;
}

const ResampleFilter& lanczos3()
{
    return kFilters[5];
}

} // namespace quiltara::imaging
