#include "document/record_limits.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quiltara::document {
namespace {

bool positionInReach(int value)
{
    return value >= -kMaxObjectPosition && value <= kMaxObjectPosition;
}

bool sideInRange(int side)
{
    return side > 0 && side <= kMaxObjectSide;
}

} // namespace

bool isPlainFolderName(std::string_view name)
{
    if (name.empty() || name.find_first_not_of('.') == std::string_view::npos)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F;
    });
}

bool canvasSideInRange(int side)
{
    return side >= 1 && side <= kMaxCanvasSide;
}

float soundZoom(float zoom)
{
    return std::isfinite(zoom) && zoom > 0.0f && zoom <= 1.0f ? zoom : 1.0f;
}

int clampedMaskPointCount(int count)
{
    return std::clamp(count, 0, kMaxCustomMaskPointCount);
}

bool isSoundLiveObject(const SCREENOBJECT& o)
{
    const bool photo = o.IsPhoto != 0;
    const bool text = o.IsText != 0;
    return photo != text && sideInRange(o.Width) && sideInRange(o.Height) && positionInReach(o.Left) &&
           positionInReach(o.Top);
}

bool hasSoundUnrotatedSize(const SCREENOBJECT& o)
{
    return sideInRange(o.UnrotatedWidth) && sideInRange(o.UnrotatedHeight);
}

Rect32 soundViewRect(const Rect32& r)
{
    const int limit = kMaxObjectPosition + kMaxObjectSide;
    for (int edge : {r.Left, r.Top, r.Right, r.Bottom})
        if (edge < -limit || edge > limit)
            return kNoRect;
    return r;
}

void clearReferences(CollageHeader& h)
{
    std::memset(h.ObjectsRef, 0, sizeof h.ObjectsRef);
    h.WallpaperRef = 0;
    h.OffScreenBufRef = 0;
}

void clearReferences(SCREENOBJECT& o)
{
    o.DiskPhotoStreamRef = o.ScreenPhotoStreamRef = o.DisplayPhotoStreamRef = o.ResizedPhotoStreamRef = 0;
    o.MaskStreamRef = o.BlurStreamRef = o.RotatedPhotoStreamRef = o.PreviewStreamRef = 0;
    o.RotationMaskStreamRef = 0;
}

} // namespace quiltara::document
