#include "imaging/plain_stretch.h"

#include "imaging/bitmap.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace quiltara::imaging {
namespace {

using testing::randomBitmap;

TEST(PlainStretch, TakesTruncatedSourcePositionsInEveryFormat)
{
    struct Case {
        int sw, sh, tw, th;
    };
    for (const Case c : {Case{1, 1, 3, 2}, Case{5, 3, 2, 7}, Case{7, 7, 7, 7}, Case{640, 3, 17, 1}})
        for (int sourceBpp : {3, 4})
            for (int targetBpp : {3, 4}) {
                const Bitmap source = randomBitmap(c.sw, c.sh, sourceBpp, 8);
                Bitmap target(c.tw, c.th, targetBpp);
                plainStretch(source.view(), target.view());
                for (int y = 0; y < c.th; ++y)
                    for (int x = 0; x < c.tw; ++x) {
                        const std::uint8_t* s = source.view().pixel(x * c.sw / c.tw, y * c.sh / c.th);
                        const std::uint8_t* t = target.view().pixel(x, y);
                        for (int k = 0; k < 3; ++k)
                            ASSERT_EQ(t[k], s[k]);
                        if (targetBpp == 4) {
                            ASSERT_EQ(t[3], sourceBpp == 4 ? s[3] : 0) << "fourth byte";
                        }
                    }
            }
}

} // namespace
} // namespace quiltara::imaging
