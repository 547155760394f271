#pragma once

#include "document/collage_caption.h"
#include "document/new_collage_keys.h"
#include "document/records.h"

#include <string>

namespace quiltara::document {

struct CanvasSizeForm;
struct NewCollageForm;

enum class Reply { Yes, No, Cancel };

// Where a file dialog starts: its folder and the file name it offers.
struct FileDialogState {
    std::string folder;
    std::string fileName;
};

// How the background stands after a collage was read: the palette and the
// renderer take it over.
struct RestoredBackground {
    bool texture = false; // else a solid colour (fillType < 1) or a gradient
    std::string textureFile;
    bool centred = false;
    bool stretched = false; // else tiled
    int fillType = 0;
    Colour colour = kWhite;
    Colour endColour = kWhite;
    std::string colourHint;    // "Background Color  (Hex: RRGGBB)"
    std::string endColourHint; // "Gradient End Color  (Hex: RRGGBB)"
};

// What the project commands need from the main window: answers to their
// questions, the file dialogs and the two size dialogs, the boxes shown in
// the middle of an operation, and the visible side effects. The window
// implements it with the prompter and its widgets; tests script it. The
// defaults answer no and show nothing, which is what headless tools want.
class ProjectWindow {
public:
    virtual ~ProjectWindow() = default;

    // A confirmation with Yes, No and Cancel (the save question).
    virtual Reply askYesNoCancel(const std::string& text) { return Reply::Cancel; }
    // A warning with Yes and No (the overwrite question); true for Yes.
    virtual bool askWarningYesNo(const std::string& text) { return false; }
    // The save dialog ("Save Photo Collage") and the open dialog ("Open
    // Collage"), filter "Collage File (*.CLG)|*.CLG"; the chosen path, or
    // empty when cancelled.
    virtual std::string chooseSaveFile(const FileDialogState& dialog) { return {}; }
    virtual std::string chooseOpenFile(const FileDialogState& dialog) { return {}; }
    // The New Collage dialog, modal, editing the form; true when it was left
    // with OK (its checks have passed then).
    virtual bool editNewCollage(NewCollageForm& form) { return false; }
    // The Canvas Size dialog; true when it was left with OK.
    virtual bool editCanvasSize(CanvasSizeForm& form) { return false; }

    // An error box.
    virtual void showError(const std::string& text) {}
    // The status bar's last panel.
    virtual void showStatus(const std::string& text) {}
    // UpdateCaption: the caption text is made by the session.
    virtual void setCaption(const std::string& caption) {}

    // SaveDesktopSettings, before an opened collage replaces the current one.
    virtual void saveDesktopSettings() {}
    // Writes the "New Collage" keys into collage.cfg.
    virtual void writeNewCollageKeys(const NewCollageKeys& keys) {}
    // The just-opened mark of the canvas: no drag starts while it is set.
    virtual void setJustOpened(bool justOpened) {}
    // The Welcome dialog, when it is open, moves out of sight.
    virtual void hideWelcomeDialog() {}

    // DisplayCollage: repaint the status bar and let the canvas paint. May
    // throw; the session reports the failure.
    virtual void displayCollage() {}
    // Scroll the view to its top left corner and size the drawing surface to
    // the zoomed canvas, not smaller than the view's client area.
    virtual void resetView() {}
    // The commands that need a collage are enabled, the zoom menu checks the
    // entry (none for ZoomEntry::None), the Objects menu is enabled when
    // objectsMenu is true.
    virtual void collageCommandsEnabled(ZoomEntry zoom, bool objectsMenu) {}
    // The Photo menu with the photo tool buttons, and the Text menu.
    virtual void selectionCommandsEnabled(bool photo, bool text) {}
    // An Objects-menu entry for a slot.
    virtual void objectMenuEntryAdded(int slot, const std::string& caption) {}
    // The palette and the renderer follow the background of a collage read
    // from a file, and the background is painted again.
    virtual void backgroundRestored(const RestoredBackground& background) {}
    // A new collage: the palette back to a white solid colour (fill type 0,
    // swap button disabled, end colour hidden, colour dialogs preset white).
    virtual void backgroundReset() {}
    // After a collage was read: update the object menus for the selected
    // object, repaint the palette's texture list and the tool panel, render
    // the marked objects and repaint the canvas.
    virtual void reloadFinished() {}
    // After a canvas size change: repaint the background, render the marked
    // objects and repaint.
    virtual void canvasResized() {}
    // Request a repaint of the canvas.
    virtual void repaint() {}
};

// Rebuilds one photo object's images from a photo file after a collage was
// read. The photo pipeline implements it.
class PhotoReloader {
public:
    virtual ~PhotoReloader() = default;
    // LoadDiskImageIntoStream without asking and keeping the given size:
    // decodes file into the slot's DiskPhotoStream, resamples it to width x
    // height into ResizedPhotoStream and makes PreviewStream, then
    // renderScreenPhotoBmp. The reduction of large photos follows the
    // record's ReduceLarge. Returns false after a failure it has reported.
    virtual bool reloadPhoto(Collage& collage, int slot, const std::string& file, int width, int height) = 0;
    // Rotates the reloaded photo by its RotationAngle, as the rotation
    // commands do with a photo resampled to its unrotated size.
    virtual void rotatePhoto(Collage& collage, int slot) = 0;
};

} // namespace quiltara::document
