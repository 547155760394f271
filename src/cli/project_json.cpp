#include "cli/project_json.h"

#include "cli/cli_command.h"
#include "document/text_field.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace quiltara::cli {
namespace {

using namespace document;

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80           ? 1
                                   : (byte >> 5) == 0x6  ? 2
                                   : (byte >> 4) == 0xE  ? 3
                                   : (byte >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// A JSON string. Text that is not UTF-8 is taken as single-byte Latin-1.
std::string quoted(std::string_view text)
{
    const bool utf8 = isUtf8(text);
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        char escape[8];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || (!utf8 && byte >= 0x80)) {
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Writes the members of one JSON object, one per line.
class Members {
public:
    Members(std::string& out, int indent) : m_out(out), m_indent(indent) { m_out += "{"; }
    ~Members()
    {
        m_out += '\n';
        m_out.append(static_cast<std::size_t>(m_indent), ' ');
        m_out += '}';
    }
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;

    void raw(const char* name, const std::string& value)
    {
        m_out += m_first ? "\n" : ",\n";
        m_first = false;
        m_out.append(static_cast<std::size_t>(m_indent + 2), ' ');
        m_out += quoted(name) + ": " + value;
    }
    void add(const char* name, std::int32_t value) { raw(name, std::to_string(value)); }
    void add(const char* name, std::uint32_t value) { raw(name, std::to_string(value)); }
    void add(const char* name, std::uint8_t value) { raw(name, std::to_string(value)); }
    void add(const char* name, float value)
    {
        if (!std::isfinite(value)) {
            raw(name, "null");
            return;
        }
        char text[32];
        raw(name, std::string(text, std::to_chars(text, text + sizeof text, value).ptr));
    }
    template <std::size_t N>
    void add(const char* name, const char (&field)[N])
    {
        raw(name, quoted(textOf(field)));
    }
    void add(const char* name, const Rect32& r)
    {
        raw(name, "{\"Left\": " + std::to_string(r.Left) + ", \"Top\": " + std::to_string(r.Top) +
                      ", \"Right\": " + std::to_string(r.Right) +
                      ", \"Bottom\": " + std::to_string(r.Bottom) + "}");
    }
    void add(const char* name, const Point32& p)
    {
        raw(name, "{\"X\": " + std::to_string(p.X) + ", \"Y\": " + std::to_string(p.Y) + "}");
    }
    template <std::size_t N>
    void add(const char* name, const Point32 (&points)[N])
    {
        std::string list = "[";
        for (std::size_t i = 0; i < N; ++i)
            list += (i ? ", {\"X\": " : "{\"X\": ") + std::to_string(points[i].X) +
                    ", \"Y\": " + std::to_string(points[i].Y) + "}";
        raw(name, list + "]");
    }

private:
    std::string& m_out;
    int m_indent;
    bool m_first = true;
};

void writeHeader(std::string& out, const CollageHeader& h)
{
    Members members(out, 2);
    members.add("CollageName", h.CollageName);
    members.add("VersionText", h.VersionText);
    members.add("NumObjects", h.NumObjects);
    members.add("NumSlots", h.NumSlots);
    members.add("LastMouseX", h.LastMouseX);
    members.add("LastMouseY", h.LastMouseY);
    members.add("SelIndex", h.SelIndex);
    members.add("SizingHandle", h.SizingHandle);
    members.add("CanvasWidth", h.CanvasWidth);
    members.add("CanvasHeight", h.CanvasHeight);
    members.add("ZoomedWidth", h.ZoomedWidth);
    members.add("ZoomedHeight", h.ZoomedHeight);
    members.add("SelBoxesDirty", h.SelBoxesDirty);
    members.add("SelectionHidden", h.SelectionHidden);
    members.add("Dragging", h.Dragging);
    members.add("SelRect", h.SelRect);
    members.add("LastRubberRect", h.LastRubberRect);
    members.add("DragStartRect", h.DragStartRect);
    members.add("PrevCursorPos", h.PrevCursorPos);
    members.add("Zoom", h.Zoom);
    members.add("BgTextureFile", h.BgTextureFile);
    members.add("BgColor", h.BgColor);
    members.add("Orientation", h.Orientation);
    members.add("CollageSizeIndex", h.CollageSizeIndex);
    members.add("BgEndColor", h.BgEndColor);
    members.add("FillType", h.FillType);
    members.add("NumStamps", h.NumStamps);
    members.add("DragStartUnrotatedWidth", h.DragStartUnrotatedWidth);
    members.add("DragStartUnrotatedHeight", h.DragStartUnrotatedHeight);
    members.add("ResizeCacheIndex", h.ResizeCacheIndex);
    members.add("BgStretch", h.BgStretch);
    members.add("BgCenter", h.BgCenter);
}

void writeObject(std::string& out, int slot, const SCREENOBJECT& o)
{
    Members members(out, 4);
    members.add("slot", static_cast<std::int32_t>(slot));
    members.add("InUse", o.InUse);
    members.add("Missing", o.Missing);
    members.add("SourceWidth", o.SourceWidth);
    members.add("SourceHeight", o.SourceHeight);
    members.add("Left", o.Left);
    members.add("Top", o.Top);
    members.add("Width", o.Width);
    members.add("Height", o.Height);
    members.add("Bounds", o.Bounds);
    members.add("PrevBounds", o.PrevBounds);
    members.add("CropRect", o.CropRect);
    members.add("FileName", o.FileName);
    members.add("MaskFileName", o.MaskFileName);
    members.add("EffectMargin", o.EffectMargin);
    members.add("ZOrder", o.ZOrder);
    members.add("Transparency", o.Transparency);
    members.add("AspectRatio", o.AspectRatio);
    members.add("MaintainAspect", o.MaintainAspect);
    members.add("Shadow", o.Shadow);
    members.add("Grayscale", o.Grayscale);
    members.add("Negative", o.Negative);
    members.add("IsText", o.IsText);
    members.add("NeedsRefresh", o.NeedsRefresh);
    members.add("Masked", o.Masked);
    members.add("CustomMasked", o.CustomMasked);
    members.add("Border", o.Border);
    members.add("FromClipboard", o.FromClipboard);
    members.add("IsPhoto", o.IsPhoto);
    members.add("ScreenValid", o.ScreenValid);
    members.add("Sepia", o.Sepia);
    members.add("TextLine", o.TextLine);
    members.add("TextFontName", o.TextFontName);
    members.add("TextSize", o.TextSize);
    members.add("TextBold", o.TextBold);
    members.add("TextItalic", o.TextItalic);
    members.add("TextUnderline", o.TextUnderline);
    members.add("TextAntiAlias", o.TextAntiAlias);
    members.add("TextDropShadow", o.TextDropShadow);
    members.add("TextHalo", o.TextHalo);
    members.add("TextOutline", o.TextOutline);
    members.add("TextTransparent", o.TextTransparent);
    members.add("TextBackground", o.TextBackground);
    members.add("TextRotationAngle", o.TextRotationAngle);
    members.add("TextColor", o.TextColor);
    members.add("TextHaloColor", o.TextHaloColor);
    members.add("TextOutlineColor", o.TextOutlineColor);
    members.add("TextBgColor", o.TextBgColor);
    members.add("TextAlignment", o.TextAlignment);
    members.add("TextHaloDepth", o.TextHaloDepth);
    members.add("TextShadowIntensity", o.TextShadowIntensity);
    members.add("TextShadowDepth", o.TextShadowDepth);
    members.add("TextBorder", o.TextBorder);
    members.add("TextBgOutlineColor", o.TextBgOutlineColor);
    members.add("TextBorderWidth", o.TextBorderWidth);
    members.add("TextEnableTexture", o.TextEnableTexture);
    members.add("TextTextureIndex", o.TextTextureIndex);
    members.add("TextGradient", o.TextGradient);
    members.add("TextGradientStartColor", o.TextGradientStartColor);
    members.add("TextGradientEndColor", o.TextGradientEndColor);
    members.add("TextGradientType", o.TextGradientType);
    members.add("BorderWidth", o.BorderWidth);
    members.add("BorderColor", o.BorderColor);
    members.add("CustomMaskPoints", o.CustomMaskPoints);
    members.add("CustomMaskWidth", o.CustomMaskWidth);
    members.add("CustomMaskHeight", o.CustomMaskHeight);
    members.add("CustomMaskEdge", o.CustomMaskEdge);
    members.add("CustomMaskPointCount", o.CustomMaskPointCount);
    members.add("Brightness", o.Brightness);
    members.add("Contrast", o.Contrast);
    members.add("RotationAngle", o.RotationAngle);
    members.add("Hue", o.Hue);
    members.add("Saturation", o.Saturation);
    members.add("Value", o.Value);
    members.add("CustomMaskShape", o.CustomMaskShape);
    members.add("Transparent", o.Transparent);
    members.add("TransparentColor", o.TransparentColor);
    members.add("ShadowDepth", o.ShadowDepth);
    members.add("ShadowIntensity", o.ShadowIntensity);
    members.add("Halo", o.Halo);
    members.add("HaloColor", o.HaloColor);
    members.add("HaloDepth", o.HaloDepth);
    members.add("HaloIntensity", o.HaloIntensity);
    members.add("BlurDirty", o.BlurDirty);
    members.add("MaskDirty", o.MaskDirty);
    members.add("BrightnessSet", o.BrightnessSet);
    members.add("Cropped", o.Cropped);
    members.add("UnrotatedWidth", o.UnrotatedWidth);
    members.add("UnrotatedHeight", o.UnrotatedHeight);
    members.add("ResizedWidth", o.ResizedWidth);
    members.add("ResizedHeight", o.ResizedHeight);
    members.add("RotationFillColor", o.RotationFillColor);
    members.add("TransparentKeyColor", o.TransparentKeyColor);
    members.add("Rotated", o.Rotated);
    members.add("ReduceLarge", o.ReduceLarge);
    members.add("RotationWidthRatio", o.RotationWidthRatio);
    members.add("RotationHeightRatio", o.RotationHeightRatio);
    members.add("RotatedAspect", o.RotatedAspect);
    members.add("Locked", o.Locked);
    members.add("OrnateFrame", o.OrnateFrame);
    members.add("OrnateFrameFile", o.OrnateFrameFile);
    members.add("OrnateFrameSize", o.OrnateFrameSize);
    members.add("IncludeMatte", o.IncludeMatte);
}

void writeStamp(std::string& out, const StampRecord& s)
{
    Members members(out, 4);
    members.add("StampFile", s.StampFile);
    members.add("X", s.X);
    members.add("Y", s.Y);
    members.add("StampWidth", s.StampWidth);
    members.add("StampHeight", s.StampHeight);
    members.add("Centred", s.Centred);
}

template <typename Record>
Record recordAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    Record record;
    std::memcpy(&record, bytes.data() + offset, sizeof record);
    return record;
}

// Writes a JSON array with one element per call of each(out, i).
template <typename Each>
void writeList(std::string& out, std::size_t count, Each each)
{
    out += "[";
    for (std::size_t i = 0; i < count; ++i) {
        out += i ? ",\n    " : "\n    ";
        each(out, i);
    }
    out += count ? "\n  ]" : "]";
}

} // namespace

std::string projectJson(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < sizeof(CollageHeader))
        throw CliError{1, "the file is " + std::to_string(bytes.size()) +
                              " bytes long, shorter than a header (" + std::to_string(sizeof(CollageHeader)) +
                              " bytes)"};
    const auto header = recordAt<CollageHeader>(bytes, 0);

    // The records the header announces, as far as the file holds them.
    const std::size_t announced = static_cast<std::size_t>(std::clamp(header.NumSlots, 0, kMaxObjects));
    const std::size_t objects = std::min(announced, (bytes.size() - sizeof header) / sizeof(SCREENOBJECT));
    const std::size_t stampStart = sizeof header + objects * sizeof(SCREENOBJECT);
    const std::size_t stamps =
        objects < announced
            ? 0
            : std::min<std::size_t>((bytes.size() - stampStart) / sizeof(StampRecord), kMaxStamps);

    std::string out = "{\n  \"size\": " + std::to_string(bytes.size()) + ",\n  \"header\": ";
    writeHeader(out, header);
    out += ",\n  \"objects\": ";
    writeList(out, objects, [&](std::string& o, std::size_t i) {
        writeObject(o, static_cast<int>(i),
                    recordAt<SCREENOBJECT>(bytes, sizeof header + i * sizeof(SCREENOBJECT)));
    });
    out += ",\n  \"stamps\": ";
    writeList(out, stamps, [&](std::string& o, std::size_t i) {
        writeStamp(o, recordAt<StampRecord>(bytes, stampStart + i * sizeof(StampRecord)));
    });
    out += "\n}\n";
    return out;
}

} // namespace quiltara::cli
