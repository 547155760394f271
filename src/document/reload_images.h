#pragma once

#include "document/collage.h"
#include "document/project_window.h"

#include <cstdint>
#include <string>

namespace quiltara::document {

// The copy of a photo in the project's data folder: WorkspaceRoot/data/
// CollageName/ + the file-name part of FileName.
std::string dataFolderCopy(const Collage& collage, const SCREENOBJECT& object);

// The file a photo is reloaded from: its data-folder copy when that exists,
// else the file FileName names when that exists, else empty (the photo is
// missing).
std::string photoFileToReload(const Collage& collage, const SCREENOBJECT& object);

// The size a photo is resampled to on reloading: its unrotated size when it
// is rotated (the rotation then makes Width x Height again), else Width x
// Height.
struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
PixelSize reloadSize(const SCREENOBJECT& object);

// The background a collage read from a file asks for.
RestoredBackground restoredBackgroundOf(const Collage& collage);

struct ReloadOptions {
    // The bytes of object images ReloadImages lets a file ask for; objects
    // beyond it are left out with a message. 0: half the available memory.
    std::uint64_t memoryBudget = 0;
};

// ReloadImages(path): rebuilds every live object's images after a read.
// Text objects get an empty bitmap of their size; photos are reloaded from
// photoFileToReload() through the reloader, rotated photos rotated again; a
// photo whose files are both gone is shown as "File [" + copy + "] is
// missing " and becomes a free slot with Missing = 1. Then the background
// and the selection follow the header. Whatever happens, it ends by closing
// the gaps that dropped objects left in the stacking order, clearing
// CollageModified and marking every object for rendering.
void ReloadImages(Collage& collage, ProjectWindow& window, PhotoReloader& reloader, const std::string& path,
                  const ReloadOptions& options = {});

} // namespace quiltara::document
