#pragma once

#include <span>

namespace quiltara::imaging {

// A resampling kernel: its weight at a distance x from the sample centre, in
// 32-bit floats, and the distance beyond which it is 0.
struct ResampleFilter {
    const char* name;
    float (*weight)(float x);
    float support;
};

float boxFilter(float x);
float triangleFilter(float x);
float hermiteFilter(float x);
float bellFilter(float x);
float bSplineFilter(float x);
float lanczos3Filter(float x);
float mitchellFilter(float x);

// The resampler's filter table: Box, Triangle, Hermite, Bell, B-Spline,
// Lanczos3, Mitchell. The program always uses Lanczos3.
std::span<const ResampleFilter> resampleFilters();
const ResampleFilter& lanczos3();

} // namespace quiltara::imaging
