#include "imaging/pixel_format.h"

#include <cassert>

namespace quiltara::imaging {
namespace {
int g_workingBytesPerPixel = 4;
} // namespace

int workingBytesPerPixel()
{
    return g_workingBytesPerPixel;
}

void setWorkingBytesPerPixel(int bytesPerPixel)
{
    assert(bytesPerPixel == 3 || bytesPerPixel == 4);
    g_workingBytesPerPixel = bytesPerPixel == 3 ? 3 : 4;
}

} // namespace quiltara::imaging
