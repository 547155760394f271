#include "document/canvas_size.h"

#include "app/core/action_log.h"
#include "document/collage.h"
#include "document/size_text.h"
#include "document/texts.h"
#include "document/view_geometry.h"
#include "imaging/pixel_format.h"

#include <algorithm>
#include <charconv>

namespace quiltara::document {

CanvasSizeForm openCanvasSizeForm(const Collage& collage)
{
    return {
        .currentWidth = collage.CanvasWidth,
        .currentHeight = collage.CanvasHeight,
        .widthText = std::to_string(collage.CanvasWidth),
        .heightText = std::to_string(collage.CanvasHeight),
    };
}

std::optional<std::string> canvasSizeProblem(const CanvasSizeForm& form)
{
    const std::optional<int> width = wholeNumber(form.widthText);
    const std::optional<int> height = wholeNumber(form.heightText);
    if (!width || !height)
        return texts::kEnterNumbers;
    if (exceedsMegaPixelLimit(*width, *height))
        return texts::kCanvasTooLarge + megaPixelText(*width, *height);
    return sideRangeProblem(*width, *height);
}

std::string megaPixelText(int width, int height)
{
    // The shortest text that reads back as the value: 4000 x 3001 is 12.004.
    const double value = static_cast<double>(width) * height / 1e6;
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

void ApplyCanvasSize(Collage& collage, int width, int height)
{
    app::LogAction("ApplyCanvasSize", std::to_string(width) + " X " + std::to_string(height));
    collage.CanvasHeight = height;
    collage.CanvasWidth = width;
    const int bpp = imaging::workingBytesPerPixel();
    const int bufferWidth = std::max(width, collage.View.ClientWidth);
    const int bufferHeight = std::max(height, collage.View.ClientHeight);
    collage.Wallpaper.resize(bufferWidth, bufferHeight, bpp);
    collage.OffScreenBuf.resize(bufferWidth, bufferHeight, bpp);
    collage.ZoomedWidth = zoomTrunc(width, collage.Zoom);
    collage.ZoomedHeight = zoomTrunc(height, collage.Zoom);
}

} // namespace quiltara::document
