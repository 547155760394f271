#pragma once

// The three records of a collage, laid out exactly as a project file stores
// them: little-endian, no padding added by the compiler (checked below, not
// assumed). The records are also the in-memory model of the open collage, so
// the members keep their stored names, offsets and widths.
//
// Conventions: a flag is one byte, 0 or 1; a colour is 0x00BBGGRR; text fields
// are single-byte strings in fixed arrays, NUL-terminated unless they fill
// the array. A "Ref" member is a 4-byte slot that once held a run-time
// reference; it is always written as zero and never used after reading. The
// run-time objects themselves (image streams, viewport bitmaps) live beside
// the records (see collage.h).

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace quiltara::document {

using Flag = std::uint8_t;
using Colour = std::uint32_t; // 0x00BBGGRR
using Reference = std::uint32_t;

struct Rect32 {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    friend bool operator==(const Rect32&, const Rect32&) = default;
};

struct Point32 {
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const Point32&, const Point32&) = default;
};

inline constexpr Rect32 kNoRect{-1, -1, -1, -1};
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kGrey = 0x00808080;
// Sentinel colours: a colour that has not been taken yet.
inline constexpr Colour kTransparentColorNotTaken = 0xAAABCDEF;
inline constexpr Colour kRotationFillColorNotTaken = 0xAAFEDCBA;

inline constexpr int kMaxObjects = 200;
inline constexpr int kMaxStamps = 1000;
inline constexpr int kCustomMaskPoints = 29;

// One object of the collage: a photo or a text object. 2428 bytes.
struct SCREENOBJECT {
    Flag InUse;
    Flag Missing;
    std::uint8_t reserved2[2];
    std::int32_t SourceWidth;
    std::int32_t SourceHeight;
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
    Rect32 Bounds;
    Rect32 PrevBounds;
    Rect32 CropRect;
    char FileName[150];
    char MaskFileName[150];
    Reference DiskPhotoStreamRef;
    Reference ScreenPhotoStreamRef;
    Reference DisplayPhotoStreamRef;
    Reference ResizedPhotoStreamRef;
    Reference MaskStreamRef;
    Reference BlurStreamRef;
    Reference RotatedPhotoStreamRef;
    Reference PreviewStreamRef;
    std::int32_t EffectMargin;
    std::int32_t ZOrder;
    std::int32_t Transparency;
    std::uint8_t reserved420[4];
    float AspectRatio;
    Flag MaintainAspect;
    Flag Shadow;
    Flag Grayscale;
    Flag Negative;
    Flag IsText;
    Flag NeedsRefresh;
    Flag Masked;
    Flag CustomMasked;
    Flag Border;
    Flag FromClipboard;
    Flag IsPhoto;
    Flag ScreenValid;
    Flag Sepia;
    std::uint8_t reserved441[3];
    char TextLine[512];
    char TextFontName[52];
    std::int32_t TextSize;
    Flag TextBold;
    Flag TextItalic;
    Flag TextUnderline;
    Flag TextAntiAlias;
    Flag TextDropShadow;
    Flag TextHalo;
    Flag TextOutline;
    Flag TextTransparent;
    Flag TextBackground;
    std::uint8_t reserved1021[3];
    std::int32_t TextRotationAngle;
    Colour TextColor;
    Colour TextHaloColor;
    Colour TextOutlineColor;
    Colour TextBgColor;
    std::int32_t TextAlignment;
    std::uint8_t TextHaloDepth;
    std::uint8_t TextShadowIntensity;
    std::uint8_t TextShadowDepth;
    Flag TextBorder;
    Colour TextBgOutlineColor;
    std::uint8_t TextBorderWidth;
    Flag TextEnableTexture;
    std::uint8_t reserved1058[2];
    std::int32_t TextTextureIndex;
    Flag TextGradient;
    std::uint8_t reserved1065[3];
    Colour TextGradientStartColor;
    Colour TextGradientEndColor;
    std::uint8_t TextGradientType;
    std::uint8_t reserved1077[67];
    std::int32_t BorderWidth;
    Colour BorderColor;
    Point32 CustomMaskPoints[kCustomMaskPoints];
    std::int32_t CustomMaskWidth;
    std::int32_t CustomMaskHeight;
    std::int32_t CustomMaskEdge;
    std::int32_t CustomMaskPointCount;
    std::int32_t Brightness;
    std::int32_t Contrast;
    std::int32_t RotationAngle;
    std::int32_t Hue;
    std::int32_t Saturation;
    std::int32_t Value;
    std::int32_t CustomMaskShape;
    Flag Transparent;
    std::uint8_t reserved1429[3];
    Colour TransparentColor;
    std::uint8_t ShadowDepth;
    std::uint8_t ShadowIntensity;
    Flag Halo;
    std::uint8_t reserved1439[1];
    Colour HaloColor;
    std::uint8_t HaloDepth;
    std::uint8_t HaloIntensity;
    std::uint8_t reserved1446[18];
    Flag BlurDirty;
    Flag MaskDirty;
    Flag BrightnessSet;
    Flag Cropped;
    std::int32_t UnrotatedWidth;
    std::int32_t UnrotatedHeight;
    std::int32_t ResizedWidth;
    std::int32_t ResizedHeight;
    Colour RotationFillColor;
    Colour TransparentKeyColor;
    Flag Rotated;
    Flag ReduceLarge;
    std::uint8_t reserved1494[2];
    Reference RotationMaskStreamRef;
    float RotationWidthRatio;
    float RotationHeightRatio;
    float RotatedAspect;
    Flag Locked;
    Flag OrnateFrame;
    char OrnateFrameFile[32];
    std::uint8_t reserved1546[2];
    std::int32_t OrnateFrameSize;
    Flag IncludeMatte;
    std::uint8_t reserved1553[875];
};

// The collage-wide record. 2124 bytes.
struct CollageHeader {
    char CollageName[30];
    char VersionText[10];
    Reference ObjectsRef[kMaxObjects];
    std::int32_t NumObjects;
    std::int32_t NumSlots;
    Reference WallpaperRef;
    Reference OffScreenBufRef;
    std::uint8_t reserved856[4];
    std::int32_t LastMouseX;
    std::int32_t LastMouseY;
    std::int32_t SelIndex;
    std::int32_t SizingHandle;
    std::int32_t CanvasWidth;
    std::int32_t CanvasHeight;
    std::int32_t ZoomedWidth;
    std::int32_t ZoomedHeight;
    Flag SelBoxesDirty;
    Flag MousePressed; // set when the mouse is pressed on the canvas; never read
    Flag SelectionHidden;
    Flag Dragging;
    Rect32 SelRect;
    Rect32 LastRubberRect;
    Rect32 DragStartRect;
    std::uint8_t reserved944[16];
    Point32 PrevCursorPos;
    float Zoom;
    char BgTextureFile[140];
    Colour BgColor;
    std::int32_t Orientation;
    std::int32_t CollageSizeIndex;
    Colour BgEndColor;
    std::int32_t FillType;
    std::int32_t NumStamps;
    std::int32_t DragStartUnrotatedWidth;
    std::int32_t DragStartUnrotatedHeight;
    std::int32_t ResizeCacheIndex;
    Flag BgStretch;
    Flag BgCenter;
    std::uint8_t reserved1150[810];
    std::uint8_t reserved1960[164];
};

// One placed rubber stamp. 72 bytes.
struct StampRecord {
    char StampFile[50];
    std::uint8_t reserved50[2];
    std::int32_t X;
    std::int32_t Y;
    std::int32_t StampWidth;
    std::int32_t StampHeight;
    Flag Centred;
    std::uint8_t reserved69[3];
};

static_assert(std::endian::native == std::endian::little,
              "the records are copied as stored; add byte swapping for big-endian hosts");

static_assert(std::is_trivially_copyable_v<SCREENOBJECT> && std::is_standard_layout_v<SCREENOBJECT>);
static_assert(sizeof(SCREENOBJECT) == 2428);
static_assert(offsetof(SCREENOBJECT, SourceWidth) == 4);
static_assert(offsetof(SCREENOBJECT, Left) == 12);
static_assert(offsetof(SCREENOBJECT, Bounds) == 28);
static_assert(offsetof(SCREENOBJECT, PrevBounds) == 44);
static_assert(offsetof(SCREENOBJECT, CropRect) == 60);
static_assert(offsetof(SCREENOBJECT, FileName) == 76);
static_assert(offsetof(SCREENOBJECT, MaskFileName) == 226);
static_assert(offsetof(SCREENOBJECT, DiskPhotoStreamRef) == 376);
static_assert(offsetof(SCREENOBJECT, PreviewStreamRef) == 404);
static_assert(offsetof(SCREENOBJECT, EffectMargin) == 408);
static_assert(offsetof(SCREENOBJECT, ZOrder) == 412);
static_assert(offsetof(SCREENOBJECT, Transparency) == 416);
static_assert(offsetof(SCREENOBJECT, AspectRatio) == 424);
static_assert(offsetof(SCREENOBJECT, MaintainAspect) == 428);
static_assert(offsetof(SCREENOBJECT, IsText) == 432);
static_assert(offsetof(SCREENOBJECT, IsPhoto) == 438);
static_assert(offsetof(SCREENOBJECT, Sepia) == 440);
static_assert(offsetof(SCREENOBJECT, TextLine) == 444);
static_assert(offsetof(SCREENOBJECT, TextFontName) == 956);
static_assert(offsetof(SCREENOBJECT, TextSize) == 1008);
static_assert(offsetof(SCREENOBJECT, TextBackground) == 1020);
static_assert(offsetof(SCREENOBJECT, TextRotationAngle) == 1024);
static_assert(offsetof(SCREENOBJECT, TextColor) == 1028);
static_assert(offsetof(SCREENOBJECT, TextAlignment) == 1044);
static_assert(offsetof(SCREENOBJECT, TextHaloDepth) == 1048);
static_assert(offsetof(SCREENOBJECT, TextBorder) == 1051);
static_assert(offsetof(SCREENOBJECT, TextBgOutlineColor) == 1052);
static_assert(offsetof(SCREENOBJECT, TextBorderWidth) == 1056);
static_assert(offsetof(SCREENOBJECT, TextEnableTexture) == 1057);
static_assert(offsetof(SCREENOBJECT, TextTextureIndex) == 1060);
static_assert(offsetof(SCREENOBJECT, TextGradient) == 1064);
static_assert(offsetof(SCREENOBJECT, TextGradientStartColor) == 1068);
static_assert(offsetof(SCREENOBJECT, TextGradientEndColor) == 1072);
static_assert(offsetof(SCREENOBJECT, TextGradientType) == 1076);
static_assert(offsetof(SCREENOBJECT, BorderWidth) == 1144);
static_assert(offsetof(SCREENOBJECT, BorderColor) == 1148);
static_assert(offsetof(SCREENOBJECT, CustomMaskPoints) == 1152);
static_assert(offsetof(SCREENOBJECT, CustomMaskWidth) == 1384);
static_assert(offsetof(SCREENOBJECT, CustomMaskEdge) == 1392);
static_assert(offsetof(SCREENOBJECT, CustomMaskPointCount) == 1396);
static_assert(offsetof(SCREENOBJECT, Brightness) == 1400);
static_assert(offsetof(SCREENOBJECT, RotationAngle) == 1408);
static_assert(offsetof(SCREENOBJECT, Value) == 1420);
static_assert(offsetof(SCREENOBJECT, CustomMaskShape) == 1424);
static_assert(offsetof(SCREENOBJECT, Transparent) == 1428);
static_assert(offsetof(SCREENOBJECT, TransparentColor) == 1432);
static_assert(offsetof(SCREENOBJECT, ShadowDepth) == 1436);
static_assert(offsetof(SCREENOBJECT, Halo) == 1438);
static_assert(offsetof(SCREENOBJECT, HaloColor) == 1440);
static_assert(offsetof(SCREENOBJECT, HaloDepth) == 1444);
static_assert(offsetof(SCREENOBJECT, HaloIntensity) == 1445);
static_assert(offsetof(SCREENOBJECT, BlurDirty) == 1464);
static_assert(offsetof(SCREENOBJECT, Cropped) == 1467);
static_assert(offsetof(SCREENOBJECT, UnrotatedWidth) == 1468);
static_assert(offsetof(SCREENOBJECT, ResizedWidth) == 1476);
static_assert(offsetof(SCREENOBJECT, RotationFillColor) == 1484);
static_assert(offsetof(SCREENOBJECT, TransparentKeyColor) == 1488);
static_assert(offsetof(SCREENOBJECT, Rotated) == 1492);
static_assert(offsetof(SCREENOBJECT, ReduceLarge) == 1493);
static_assert(offsetof(SCREENOBJECT, RotationMaskStreamRef) == 1496);
static_assert(offsetof(SCREENOBJECT, RotationWidthRatio) == 1500);
static_assert(offsetof(SCREENOBJECT, RotationHeightRatio) == 1504);
static_assert(offsetof(SCREENOBJECT, RotatedAspect) == 1508);
static_assert(offsetof(SCREENOBJECT, Locked) == 1512);
static_assert(offsetof(SCREENOBJECT, OrnateFrame) == 1513);
static_assert(offsetof(SCREENOBJECT, OrnateFrameFile) == 1514);
static_assert(offsetof(SCREENOBJECT, OrnateFrameSize) == 1548);
static_assert(offsetof(SCREENOBJECT, IncludeMatte) == 1552);
static_assert(offsetof(SCREENOBJECT, reserved1553) == 1553);

static_assert(std::is_trivially_copyable_v<CollageHeader> && std::is_standard_layout_v<CollageHeader>);
static_assert(sizeof(CollageHeader) == 2124);
static_assert(offsetof(CollageHeader, VersionText) == 30);
static_assert(offsetof(CollageHeader, ObjectsRef) == 40);
static_assert(offsetof(CollageHeader, NumObjects) == 840);
static_assert(offsetof(CollageHeader, NumSlots) == 844);
static_assert(offsetof(CollageHeader, WallpaperRef) == 848);
static_assert(offsetof(CollageHeader, OffScreenBufRef) == 852);
static_assert(offsetof(CollageHeader, LastMouseX) == 860);
static_assert(offsetof(CollageHeader, SelIndex) == 868);
static_assert(offsetof(CollageHeader, SizingHandle) == 872);
static_assert(offsetof(CollageHeader, CanvasWidth) == 876);
static_assert(offsetof(CollageHeader, ZoomedWidth) == 884);
static_assert(offsetof(CollageHeader, ZoomedHeight) == 888);
static_assert(offsetof(CollageHeader, SelBoxesDirty) == 892);
static_assert(offsetof(CollageHeader, SelectionHidden) == 894);
static_assert(offsetof(CollageHeader, Dragging) == 895);
static_assert(offsetof(CollageHeader, SelRect) == 896);
static_assert(offsetof(CollageHeader, LastRubberRect) == 912);
static_assert(offsetof(CollageHeader, DragStartRect) == 928);
static_assert(offsetof(CollageHeader, PrevCursorPos) == 960);
static_assert(offsetof(CollageHeader, Zoom) == 968);
static_assert(offsetof(CollageHeader, BgTextureFile) == 972);
static_assert(offsetof(CollageHeader, BgColor) == 1112);
static_assert(offsetof(CollageHeader, Orientation) == 1116);
static_assert(offsetof(CollageHeader, CollageSizeIndex) == 1120);
static_assert(offsetof(CollageHeader, BgEndColor) == 1124);
static_assert(offsetof(CollageHeader, FillType) == 1128);
static_assert(offsetof(CollageHeader, NumStamps) == 1132);
static_assert(offsetof(CollageHeader, DragStartUnrotatedWidth) == 1136);
static_assert(offsetof(CollageHeader, DragStartUnrotatedHeight) == 1140);
static_assert(offsetof(CollageHeader, ResizeCacheIndex) == 1144);
static_assert(offsetof(CollageHeader, BgStretch) == 1148);
static_assert(offsetof(CollageHeader, BgCenter) == 1149);
static_assert(offsetof(CollageHeader, reserved1150) == 1150);
static_assert(offsetof(CollageHeader, reserved1960) == 1960);

static_assert(std::is_trivially_copyable_v<StampRecord> && std::is_standard_layout_v<StampRecord>);
static_assert(sizeof(StampRecord) == 72);
static_assert(offsetof(StampRecord, X) == 52);
static_assert(offsetof(StampRecord, Y) == 56);
static_assert(offsetof(StampRecord, StampWidth) == 60);
static_assert(offsetof(StampRecord, StampHeight) == 64);
static_assert(offsetof(StampRecord, Centred) == 68);

} // namespace quiltara::document
