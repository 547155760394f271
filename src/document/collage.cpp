#include "document/collage.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/document_error.h"
#include "document/text_field.h"
#include "document/view_geometry.h"
#include "imaging/pixel_format.h"

#include <cmath>
#include <cstring>
#include <exception>

namespace quiltara::document {
namespace {

using app::LogAction;

std::string slotText(int slot)
{
    return "SelIndex " + std::to_string(slot);
}

void resetSelectionRects(Collage& collage)
{
    collage.SelRect = kNoRect;
    collage.LastRubberRect = kNoRect;
    collage.DragStartRect = kNoRect;
}

// The selection state of a collage without a selection (the header part of
// emptying the document).
void resetSelectionState(Collage& collage)
{
    collage.SizingHandle = -1;
    collage.NumSlots = 0;
    collage.ResizeCacheIndex = -1;
    collage.NumObjects = 0;
    collage.SelIndex = 0;
    collage.SelectionHidden = 0;
    collage.Dragging = 0;
    collage.SelRect.Left = collage.SelRect.Top = -1;
    collage.LastRubberRect.Left = collage.LastRubberRect.Top = -1;
    collage.DragStartRect.Left = collage.DragStartRect.Top = -1;
    collage.DragStartUnrotatedWidth = -1;
    collage.DragStartUnrotatedHeight = -1;
}

ImageStream copyOf(const ImageStream& source)
{
    return source ? std::make_unique<imaging::BmpStream>(*source) : std::make_unique<imaging::BmpStream>();
}

} // namespace

Collage::Collage() : CollageHeader{}
{
    SizingHandle = -1;
    ResizeCacheIndex = -1;
    Zoom = 1.0f;
    BgColor = kWhite;
    BgEndColor = kWhite;
    resetSelectionRects(*this);
    DragStartUnrotatedWidth = -1;
    DragStartUnrotatedHeight = -1;
}

bool Collage::isLive(int slot) const
{
    return slot >= 0 && slot < NumSlots && slot < kMaxObjects && Objects[static_cast<std::size_t>(slot)] &&
           Objects[static_cast<std::size_t>(slot)]->InUse;
}

int Collage::slotWithZOrder(int zOrder) const
{
    for (int i = 0; i < NumSlots; ++i)
        if (isLive(i) && object(i).ZOrder == zOrder)
            return i;
    return -1;
}

CollageObserver& Collage::observer()
{
    static CollageObserver silent;
    return Observer ? *Observer : silent;
}

void InitCollage(Collage& collage)
{
    LogAction("InitCollage");
    collage.Background.CurrentColor = collage.BgColor;
    collage.Background.CurrentEndColor = collage.BgEndColor;
    const int bpp = imaging::workingBytesPerPixel();
    collage.Wallpaper.resize(collage.View.ClientWidth, collage.View.ClientHeight, bpp);
    collage.OffScreenBuf.resize(collage.View.ClientWidth, collage.View.ClientHeight, bpp);
    collage.ResizeCacheIndex = -1;
    for (auto& slot : collage.Objects)
        slot.reset();
}

void DeleteCollage(Collage& collage)
{
    LogAction("DeleteCollage");
    for (int i = 0; i < collage.NumSlots && i < kMaxObjects; ++i) {
        if (!collage.Objects[static_cast<std::size_t>(i)])
            continue;
        DestroyAndInitScreenObject(collage, collage.object(i));
        DeleteCollagePhoto(collage, i);
        collage.observer().objectMenuEntryRemoved(i);
    }
    for (auto& slot : collage.Objects)
        slot.reset();
    collage.Stamps.clear();

    resetSelectionState(collage);
    std::memset(collage.BgTextureFile, 0, sizeof collage.BgTextureFile);

    collage.Wallpaper.release();
    collage.OffScreenBuf.release();
    collage.observer().scratchBitmapsReleased();
}

int AddNewSelection(Collage& collage, int left, int top, int width, int height)
{
    int slot = -1;
    for (int i = 0; i < collage.NumSlots; ++i)
        if (!collage.Objects[static_cast<std::size_t>(i)] || !collage.object(i).InUse) {
            slot = i;
            break;
        }
    if (slot < 0) {
        if (collage.NumSlots >= kMaxObjects)
            throw DocumentError(kCollageFullMessage);
        slot = collage.NumSlots;
        ++collage.NumSlots;
    }
    LogAction("AddNewSelection", slotText(slot));
    collage.CollageModified = true;
    collage.observer().objectsMenuEnabled();

    auto& entry = collage.Objects[static_cast<std::size_t>(slot)];
    if (!entry)
        entry = std::make_unique<ScreenObject>();
    ScreenObject& object = *entry;
    for (ImageStream* stream : object.streams())
        stream->reset();
    object.record() = SCREENOBJECT{};
    DestroyAndInitScreenObject(collage, object);

    ++collage.NumObjects;
    object.DiskPhotoStream = std::make_unique<imaging::BmpStream>();

    object.Left = left;
    object.Top = top;
    object.Width = width;
    object.Height = height;
    object.Bounds = {left, top, left + width, top + height};
    collage.SelRect = object.Bounds;

    for (int i = 0; i < collage.NumSlots; ++i)
        if (i != slot && collage.isLive(i))
            ++collage.object(i).ZOrder;
    object.ZOrder = 0;

    collage.SelIndex = slot;
    return slot;
}

void DestroyAndInitScreenObject(Collage& collage, ScreenObject& o)
{
    LogAction("DestroyAndInitScreenObject");
    try {
        o.InUse = 0;
        for (ImageStream* stream : o.streams())
            stream->reset();

        o.InUse = 0;
        o.Missing = 0;
        o.reserved2[0] = o.reserved2[1] = 0;
        for (Point32& point : o.CustomMaskPoints)
            point = {0, 0};

        o.ZOrder = -1;
        o.AspectRatio = 1.0f;
        o.MaintainAspect = 1;
        o.Bounds = kNoRect;
        o.CropRect = kNoRect;
        o.TransparentColor = kTransparentColorNotTaken;
        o.ShadowDepth = 3;
        o.ShadowIntensity = 120;
        o.HaloDepth = 4;
        o.HaloIntensity = 1;
        o.Saturation = 128;
        o.Value = 255;
        o.CustomMaskEdge = 10;
        o.CustomMaskPointCount = 28;
        o.BorderWidth = 4;
        o.BorderColor = kWhite;
        o.TextGradientStartColor = kWhite;
        o.TextGradientEndColor = kGrey;
        o.TextHaloDepth = 4;
        o.TextShadowDepth = 2;
        o.TextBorderWidth = 1;
        std::memset(o.TextLine, 0, sizeof o.TextLine);
        std::memset(o.FileName, 0, sizeof o.FileName);
        std::memset(o.MaskFileName, 0, sizeof o.MaskFileName);

        o.Transparency = 0;
        o.EffectMargin = 0;
        o.Shadow = 0;
        o.Grayscale = 0;
        o.Negative = 0;
        o.IsText = 0;
        o.Masked = 0;
        o.Border = 0;
        o.FromClipboard = 0;
        o.IsPhoto = 0;
        o.Sepia = 0;
        o.Transparent = 0;
        o.Halo = 0;
        o.HaloColor = 0;
        o.RotationAngle = 0;
        o.BlurDirty = 0;
        o.MaskDirty = 0;
        o.BrightnessSet = 0;
        o.Cropped = 0;
        o.UnrotatedWidth = 0;
        o.UnrotatedHeight = 0;
        o.ResizedWidth = 0;
        o.ResizedHeight = 0;
        o.RotationFillColor = 0;
        o.TransparentKeyColor = 0;
        o.Rotated = 0;
        o.Hue = 0;
        o.CustomMaskWidth = 0;
        o.CustomMaskHeight = 0;
        o.Brightness = 0;
        o.Contrast = 0;
        o.TextRotationAngle = 0;

        collage.ResizeCacheIndex = -1;
    }
    catch (const std::exception& e) {
        app::LogError(e, "error initing graphic");
    }
}

void InitCollagePhoto(Collage& collage, int slot)
{
    LogAction("InitCollagePhoto", slotText(slot));
    if (slot < 0 || slot >= kMaxObjects || !collage.Objects[static_cast<std::size_t>(slot)])
        return;
    for (ImageStream* stream : collage.object(slot).streams())
        *stream = std::make_unique<imaging::BmpStream>();
}

void DeleteCollagePhoto(Collage& collage, int slot)
{
    LogAction("DeleteCollagePhoto", slotText(slot));
    if (slot < 0 || slot >= kMaxObjects || !collage.Objects[static_cast<std::size_t>(slot)])
        return;
    ScreenObject& o = collage.object(slot);
    for (ImageStream* stream : {&o.DiskPhotoStream, &o.DisplayPhotoStream, &o.ScreenPhotoStream,
                                &o.ResizedPhotoStream, &o.MaskStream, &o.BlurStream, &o.PreviewStream})
        stream->reset();
}

void deletePhoto(Collage& collage, int slot)
{
    LogAction("deletePhoto", slotText(slot));
    if (!collage.isLive(slot))
        return;
    ScreenObject& removed = collage.object(slot);
    collage.observer().objectMenuEntryRemoved(slot);
    collage.observer().areaToRedraw(removed.Bounds);

    const int removedZOrder = removed.ZOrder;
    DestroyAndInitScreenObject(collage, removed);
    resetSelectionRects(collage);
    removed.InUse = 0;

    if (slot == collage.NumSlots - 1)
        --collage.NumSlots;
    --collage.NumObjects;

    for (int i = 0; i < collage.NumSlots; ++i)
        if (collage.isLive(i) && collage.object(i).ZOrder > removedZOrder)
            --collage.object(i).ZOrder;

    int front = -1;
    for (int i = collage.NumSlots - 1; i >= 0; --i)
        if (collage.isLive(i) && (front < 0 || collage.object(i).ZOrder < collage.object(front).ZOrder))
            front = i;

    if (collage.NumObjects > 0 && front >= 0) {
        UpdateSelRect(collage, front);
        const Rect32 bounds = collage.object(front).Bounds;
        collage.SelRect = bounds;
        collage.DragStartRect = bounds;
        collage.LastRubberRect = bounds;
        collage.DragStartUnrotatedWidth = 0;
        collage.DragStartUnrotatedHeight = 0;
        collage.Dragging = 0;
        collage.SelIndex = front;
        collage.SelectionHidden = 0;
    } else {
        resetSelectionState(collage);
    }
    collage.SelBoxesDirty = 1;
}

int CloneSelectedPhoto(Collage& collage)
{
    LogAction("PerformClone1Click", slotText(collage.SelIndex));
    const int source = collage.SelIndex;
    if (!collage.isLive(source) || !collage.object(source).IsPhoto)
        throw DocumentError("No photo is selected.");

    const int target =
        AddNewSelection(collage, 0, 0, collage.object(source).Width, collage.object(source).Height);
    const ScreenObject& s = collage.object(source);
    ScreenObject& n = collage.object(target);

    ImageStream ownDisk = std::move(n.DiskPhotoStream);
    const int ownZOrder = n.ZOrder;
    n.record() = s.record();

    n.DiskPhotoStream = std::move(ownDisk);
    if (s.DiskPhotoStream)
        *n.DiskPhotoStream = *s.DiskPhotoStream;
    n.ResizedPhotoStream = copyOf(s.ResizedPhotoStream);
    n.DisplayPhotoStream = copyOf(s.DisplayPhotoStream);
    n.ScreenPhotoStream = copyOf(s.ScreenPhotoStream);
    n.MaskStream = copyOf(s.MaskStream);
    n.RotationMaskStream = copyOf(s.RotationMaskStream);
    n.BlurStream = copyOf(s.BlurStream);
    n.RotatedPhotoStream = copyOf(s.RotatedPhotoStream);
    n.PreviewStream = copyOf(s.PreviewStream);

    n.InUse = 1;
    n.ZOrder = ownZOrder;
    n.Left = 0;
    n.Top = 0;

    UpdateSelRect(collage, target);
    MarkToRefreshAllObjects(collage);
    return target;
}

void MarkToRefreshAllObjects(Collage& collage)
{
    LogAction("MarkToRefreshAllObjects");
    for (int i = 0; i < collage.NumSlots; ++i)
        if (collage.isLive(i))
            collage.object(i).NeedsRefresh = 1;
}

void MarkToRefreshAllOnScreenObjects(Collage& collage)
{
    LogAction("MarkToRefreshAllOnScreenObjects");
    collage.CollageModified = true;
    const int left = -collage.View.PaintBoxLeft;
    const int top = -collage.View.PaintBoxTop;
    const int right = left + collage.View.ClientWidth;
    const int bottom = top + collage.View.ClientHeight;
    for (int i = 0; i < collage.NumSlots; ++i) {
        if (!collage.isLive(i))
            continue;
        ScreenObject& o = collage.object(i);
        const Rect32 r = ToScreenRect(o.Bounds, collage.Zoom);
        if (r.Right < left || r.Left > right || r.Bottom < top || r.Top > bottom) {
            o.NeedsRefresh = 0;
            o.ScreenValid = 0;
        } else {
            o.NeedsRefresh = 1;
        }
    }
}

void UpdateSelRect(Collage& collage, int slot)
{
    if (slot < 0 || slot >= kMaxObjects || !collage.Objects[static_cast<std::size_t>(slot)])
        return;
    ScreenObject& o = collage.object(slot);
    o.Bounds = {o.Left, o.Top, o.Left + o.Width, o.Top + o.Height};
    const float zoom = collage.Zoom;
    const int left = static_cast<int>(std::ceil(static_cast<float>(o.Left) * zoom));
    const int top = static_cast<int>(std::ceil(static_cast<float>(o.Top) * zoom));
    collage.SelRect = {left, top, left + zoomTrunc(o.Width, zoom), top + zoomTrunc(o.Height, zoom)};
}

std::string ObjectCaption(const ScreenObject& o)
{
    if (o.IsText) {
        std::string text = textOf(o.TextLine);
        const auto lineEnd = text.find_first_of("\r\n");
        if (lineEnd != std::string::npos)
            text.resize(lineEnd);
        if (text.size() > 19)
            text.resize(19);
        return "Text: " + text + "..";
    }
    const std::string name = app::fileNamePart(textOf(o.FileName));
    return (o.FromClipboard ? "Clipboard: " : "Photo: ") + name;
}

std::string ObjectMenuText(const ScreenObject& o)
{
    return ObjectCaption(o) + " (Layer " + std::to_string(o.ZOrder) + ")";
}

} // namespace quiltara::document
