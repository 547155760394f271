#include "document/collage_caption.h"

#include "document/collage.h"
#include "document/texts.h"

#include <cstdio>

namespace quiltara::document {

ZoomEntry zoomEntryOf(float zoom)
{
    const double z = zoom;
    if (zoom == 1.0f)
        return ZoomEntry::Zoom100;
    if (z >= 0.759 && z <= 0.761)
        return ZoomEntry::Zoom75;
    if (z >= 0.399 && z <= 0.401)
        return ZoomEntry::Zoom40;
    if (zoom == 0.5f)
        return ZoomEntry::Zoom50;
    if (zoom == 0.25f)
        return ZoomEntry::Zoom25;
    return ZoomEntry::None;
}

std::string zoomCaptionText(float zoom)
{
    switch (zoomEntryOf(zoom)) {
    case ZoomEntry::Zoom100:
        return "  [Zoom 100%]";
    case ZoomEntry::Zoom75:
        return "  [Zoom 75%]";
    case ZoomEntry::Zoom50:
        return "  [Zoom 50%]";
    case ZoomEntry::Zoom40:
        return "  [Zoom 40%]";
    case ZoomEntry::Zoom25:
        return "  [Zoom 25%]";
    case ZoomEntry::None:
        break;
    }
    return "  ";
}

std::string collageCaption(std::string_view path, const Collage& collage)
{
    return texts::kCaptionStart + localFileName(path) + "] - " + std::to_string(collage.CanvasWidth) + " X " +
           std::to_string(collage.CanvasHeight) + zoomCaptionText(collage.Zoom);
}

std::string colourHex(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string localFileName(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string localBaseName(std::string_view path)
{
    std::string name = localFileName(path);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

} // namespace quiltara::document
