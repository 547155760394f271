#include "document/view_geometry.h"

namespace quiltara::document {

Rect32 ToScreenRect(const Rect32& r, float zoom)
{
    const int width = zoomTrunc(r.Right - r.Left, zoom);
    const int height = zoomTrunc(r.Bottom - r.Top, zoom);
    const int left = zoomTrunc(r.Left, zoom);
    const int top = zoomTrunc(r.Top, zoom);
    return {left, top, left + width, top + height};
}

Rect32 ToCollageRect(const Rect32& r, float zoom)
{
    const int width = unzoomTrunc(r.Right - r.Left, zoom);
    const int height = unzoomTrunc(r.Bottom - r.Top, zoom);
    const int left = unzoomTrunc(r.Left, zoom);
    const int top = unzoomTrunc(r.Top, zoom);
    return {left, top, left + width, top + height};
}

} // namespace quiltara::document
