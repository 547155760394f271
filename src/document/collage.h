#pragma once

#include "document/records.h"
#include "imaging/bitmap.h"
#include "imaging/bmp_stream.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace quiltara::document {

// An image an object owns, held as a BMP file in memory. A missing stream
// (null) is not the same as an empty one: records get fresh, empty streams
// when they are created or read, and lose them when they are reset.
using ImageStream = std::unique_ptr<imaging::BmpStream>;

// One slot's object: the stored record and the images it owns.
struct ScreenObject : SCREENOBJECT {
    ScreenObject() : SCREENOBJECT{} {}

    SCREENOBJECT& record() { return *this; }
    const SCREENOBJECT& record() const { return *this; }

    ImageStream DiskPhotoStream;    // the whole photo as decoded
    ImageStream ScreenPhotoStream;  // the object at screen zoom
    ImageStream DisplayPhotoStream; // the screen image with its effects
    ImageStream ResizedPhotoStream; // the photo resampled to Width x Height
    ImageStream MaskStream;         // the mask picture
    ImageStream BlurStream;         // the blurred shadow or halo
    ImageStream RotatedPhotoStream; // the unrotated resized photo of a rotated photo
    ImageStream PreviewStream;      // preview for the colour dialogs
    ImageStream RotationMaskStream; // where a rotated photo lies, at screen zoom

    // The nine streams, in a fixed order, for code that treats them alike.
    std::array<ImageStream*, 9> streams()
    {
        return {&DiskPhotoStream, &ScreenPhotoStream,  &DisplayPhotoStream, &ResizedPhotoStream, &MaskStream,
                &BlurStream,      &RotatedPhotoStream, &PreviewStream,      &RotationMaskStream};
    }
};

// What the document tells the window when one of its operations has a
// visible side effect outside the document. The default does nothing, which
// is what tests and headless tools want.
class CollageObserver {
public:
    virtual ~CollageObserver() = default;
    // An object was added: the Objects menu is to be enabled.
    virtual void objectsMenuEnabled() {}
    // The Objects menu entries of a slot are to go.
    virtual void objectMenuEntryRemoved(int slot) {}
    // The canvas area an object covered (collage pixels) is to be redrawn.
    virtual void areaToRedraw(const Rect32& collageRect) {}
    // The photo pipeline's process-wide working bitmaps are to be released.
    virtual void scratchBitmapsReleased() {}
};

// Where the drawing surface stands in its scrolling view: the viewport is the
// view's client area; the surface's Left and Top are the negated scroll
// positions.
struct ViewportState {
    int PaintBoxLeft = 0;
    int PaintBoxTop = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
};

// The renderer's current background choice (what the palette last applied).
struct BackgroundState {
    Colour CurrentColor = kWhite;
    Colour CurrentEndColor = kWhite;
    int CurrentFillType = 0;
};

// The one open collage: the header record with its object table, the stamp
// table, and the run-time state that lives beside them.
struct Collage : CollageHeader {
    Collage();
    Collage(const Collage&) = delete;
    Collage& operator=(const Collage&) = delete;

    CollageHeader& header() { return *this; }
    const CollageHeader& header() const { return *this; }

    // The ObjectTable: slot i holds the record of object i or nothing. Slots
    // below NumSlots always hold a record.
    std::array<std::unique_ptr<ScreenObject>, kMaxObjects> Objects;
    // The placed stamps, at most kMaxStamps.
    std::vector<StampRecord> Stamps;

    // The viewport buffers, in the working pixel format.
    imaging::Bitmap Wallpaper;
    imaging::Bitmap OffScreenBuf;

    ViewportState View;
    BackgroundState Background;

    // Unsaved changes.
    bool CollageModified = false;

    CollageObserver* Observer = nullptr;

    // The record in a slot; the slot must hold one.
    ScreenObject& object(int slot) { return *Objects[static_cast<std::size_t>(slot)]; }
    const ScreenObject& object(int slot) const { return *Objects[static_cast<std::size_t>(slot)]; }
    // True when the slot is below NumSlots and holds a live object.
    bool isLive(int slot) const;
    // The slot of the object with that ZOrder, or -1.
    int slotWithZOrder(int zOrder) const;

    CollageObserver& observer();
};

// Prepares an empty document after DeleteCollage, or after a header has been
// read from a file: copies the background colours into the renderer's
// current colours, creates the viewport buffers at the client size, clears
// ResizeCacheIndex and empties all 200 slots.
void InitCollage(Collage& collage);

// Empties the document and releases every object's images.
void DeleteCollage(Collage& collage);

// Takes a slot for a new object, resets it, places it at the front and
// selects it. The caller fills the record and then sets InUse = 1. Throws
// DocumentError when all 200 slots hold live objects.
int AddNewSelection(Collage& collage, int left, int top, int width, int height);

// Releases the record's images and resets it to its defaults.
void DestroyAndInitScreenObject(Collage& collage, ScreenObject& object);

// Gives the record in a slot nine fresh, empty image streams (after it was
// read from a file).
void InitCollagePhoto(Collage& collage, int slot);

// Releases seven of the slot's streams (all but RotatedPhotoStream and
// RotationMaskStream).
void DeleteCollagePhoto(Collage& collage, int slot);

// Removes one object and selects the front-most remaining one.
void deletePhoto(Collage& collage, int slot);

// Copies the selected photo into a new object at (0, 0), in front of all
// others, with image streams of its own. Returns the new slot. The caller
// renders and repaints.
int CloneSelectedPhoto(Collage& collage);

// Sets NeedsRefresh on every live object.
void MarkToRefreshAllObjects(Collage& collage);

// Marks the live objects that lie in the visible window for re-rendering
// and unmarks the others; sets CollageModified.
void MarkToRefreshAllOnScreenObjects(Collage& collage);

// Recomputes the object's Bounds from Left, Top, Width and Height, and the
// selection rectangle at screen zoom: ceil(Left x Zoom), ceil(Top x Zoom),
// that + trunc(Width x Zoom), that + trunc(Height x Zoom).
void UpdateSelRect(Collage& collage, int slot);

// The name under which an object is shown: "Photo: ", "Clipboard: " or
// "Text: " and its file name or first text line.
std::string ObjectCaption(const ScreenObject& object);
// The Objects menu text: the caption, " (Layer ", the ZOrder and ")".
std::string ObjectMenuText(const ScreenObject& object);

// The message shown when a 201st object is to be added.
inline constexpr const char* kCollageFullMessage =
    "This collage already holds 200 objects, the most a collage can hold.\n"
    "Remove an object before adding another one.";

} // namespace quiltara::document
