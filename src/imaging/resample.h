#pragma once

#include "imaging/bitmap.h"
#include "imaging/pixel_view.h"
#include "imaging/resample_filters.h"

#include <vector>

namespace quiltara::imaging {

// The weights one axis of a resampling uses: output sample i takes the source
// samples index[k] with weight[k] for k in first[i] ... first[i + 1] - 1, in
// that order. Every index lies inside the source.
struct Contributors {
    std::vector<int> first;
    std::vector<int> index;
    std::vector<float> weight;
};

// Builds the contributor lists for resampling sourceSize samples to
// targetSize samples (both at least 1). The scale is
// (targetSize - 1) / (sourceSize - 1), or targetSize / sourceSize when either
// side is a single sample; indices outside the source are mirrored at its
// edges, as often as it takes to land inside.
void buildContributors(int sourceSize, int targetSize, const ResampleFilter& filter, float support,
                       Contributors& out);

// Resamples the whole source into the whole destination at the destination's
// current size, horizontally first, then vertically through a bitmap of
// destination width x source height with one byte per channel in between.
// The destination becomes 24-bit. Throws ImagingError "Source bitmap too
// small" when the source has no pixels. The source may be 24- or 32-bit; only
// blue, green and red are resampled.
void StretchAndResample(const PixelView& source, Bitmap& destination,
                        const ResampleFilter& filter = lanczos3(), float support = 3.0f);

// The same into a view of any size and format (a 32-bit target gets 0 in the
// fourth byte). The view must not overlap the source.
void resampleInto(const PixelView& source, const PixelView& destination,
                  const ResampleFilter& filter = lanczos3(), float support = 3.0f);

// Tests turn the eight-lane (AVX2) paths off to check the four-lane and
// plain ones on a machine that has AVX2; both give the same bytes.
void allowAvx2Resampling(bool allowed);

} // namespace quiltara::imaging
