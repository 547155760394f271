#include "document/view_geometry.h"

#include <gtest/gtest.h>

namespace quiltara::document {
namespace {

struct ZoomRectCase {
    Rect32 collage;
    float zoom;
    Rect32 canvas;
};

// The width is scaled, not the right edge: (10, 10, 11, 11) at 0.5 has
// Left' = 5 and width trunc(0.5) = 0.
constexpr ZoomRectCase kCases[] = {
    {{10, 10, 11, 11}, 0.5f, {5, 5, 5, 5}}, {{0, 0, 1000, 500}, 0.76f, {0, 0, 760, 380}},
    {{3, 3, 10, 10}, 0.25f, {0, 0, 1, 1}},  {{101, 7, 303, 9}, 1.0f, {101, 7, 303, 9}},
    {{5, 5, 8, 8}, 0.4f, {2, 2, 3, 3}},
};

TEST(ToScreenRect, ScalesPositionAndSizeSeparately)
{
    for (const auto& c : kCases)
        EXPECT_EQ(ToScreenRect(c.collage, c.zoom), c.canvas) << "zoom " << c.zoom;
}

TEST(ToCollageRect, DividesWithTheSameRule)
{
    EXPECT_EQ(ToCollageRect({5, 5, 5, 5}, 0.5f), (Rect32{10, 10, 10, 10}));
    EXPECT_EQ(ToCollageRect({0, 0, 760, 380}, 0.76f), (Rect32{0, 0, 1000, 500}));
    EXPECT_EQ(ToCollageRect({1, 1, 4, 4}, 0.25f), (Rect32{4, 4, 16, 16}));
}

} // namespace
} // namespace quiltara::document
