#include "document/reload_images.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/log_time.h"
#include "document/project_reader.h"
#include "document/record_limits.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "imaging/pixel_format.h"

#include <exception>

namespace quiltara::document {
namespace {

using app::LogAction;

// Keeps count of the image memory the objects of a file ask for.
class MemoryBudget {
public:
    explicit MemoryBudget(std::uint64_t budget) : m_left(budget ? budget : defaultBudget()) {}

    // The object's screen, resized and display images, at the most.
    bool take(PixelSize size)
    {
        const std::uint64_t cost = static_cast<std::uint64_t>(size.width) *
                                   static_cast<std::uint64_t>(size.height) *
                                   static_cast<std::uint64_t>(imaging::workingBytesPerPixel()) * 3;
        if (cost > m_left)
            return false;
        m_left -= cost;
        return true;
    }

private:
    static std::uint64_t defaultBudget()
    {
        const std::uint64_t available = app::AvailablePhysicalMemory();
        return available ? available / 2 : std::uint64_t{2} << 30;
    }

    std::uint64_t m_left;
};

void takeOut(ScreenObject& object)
{
    object.InUse = 0;
    object.Missing = 1;
}

void freshStreams(ScreenObject& o)
{
    for (ImageStream* stream : {&o.DiskPhotoStream, &o.ScreenPhotoStream, &o.DisplayPhotoStream,
                                &o.ResizedPhotoStream, &o.PreviewStream})
        *stream = std::make_unique<imaging::BmpStream>();
    o.MaskStream.reset();
    o.BlurStream.reset();
    o.RotatedPhotoStream.reset();
    o.BlurDirty = 1;
    o.MaskDirty = 1;
}

class Reload {
public:
    Reload(Collage& collage, ProjectWindow& window, PhotoReloader& reloader, const ReloadOptions& options)
        : m_collage(collage), m_window(window), m_reloader(reloader), m_budget(options.memoryBudget)
    {}

    void objects()
    {
        for (int slot = 0; slot < m_collage.NumSlots; ++slot) {
            if (!m_collage.isLive(slot))
                continue;
            ScreenObject& o = m_collage.object(slot);
            freshStreams(o);
            if (o.IsText)
                textObject(slot, o);
            else
                photo(slot, o);
        }
    }

    void selection()
    {
        if (m_collage.NumSlots > 0 && (m_collage.SelIndex < 0 || m_collage.SelIndex >= m_collage.NumSlots))
            m_collage.SelIndex = 0;
        if (m_collage.SelectionHidden)
            return;
        const bool live = m_collage.isLive(m_collage.SelIndex);
        m_window.selectionCommandsEnabled(live && m_collage.object(m_collage.SelIndex).IsPhoto,
                                          live && m_collage.object(m_collage.SelIndex).IsText);
    }

private:
    bool fits(ScreenObject& o, PixelSize size)
    {
        if (m_budget.take(size))
            return true;
        m_window.showError(texts::kNoMemoryStart + ObjectCaption(o) + texts::kNoMemoryEnd);
        takeOut(o);
        return false;
    }

    void textObject(int slot, ScreenObject& o)
    {
        if (!fits(o, {o.Width, o.Height}))
            return;
        m_window.objectMenuEntryAdded(slot, ObjectCaption(o));
        // Still empty: the composition pipeline draws the text into it later.
        o.ResizedPhotoStream->allocate(o.Width, o.Height, imaging::workingBytesPerPixel());
        o.ResizedWidth = o.Width;
        o.ResizedHeight = o.Height;
    }

    void photo(int slot, ScreenObject& o)
    {
        const std::string fileName = textOf(o.FileName);
        LogAction("ReloadImages", fileName);
        if (fileName.empty()) {
            LogAction("ReloadImages", "a photo without a file is left out, SelIndex " + std::to_string(slot));
            takeOut(o);
            return;
        }
        const std::string file = photoFileToReload(m_collage, o);
        if (file.empty()) {
            m_window.showError(texts::kPhotoMissingStart + dataFolderCopy(m_collage, o) +
                               texts::kPhotoMissingEnd);
            takeOut(o);
            return;
        }
        const PixelSize size = reloadSize(o);
        if (!fits(o, size))
            return;
        m_reloader.reloadPhoto(m_collage, slot, file, size.width, size.height);
        m_window.objectMenuEntryAdded(slot, ObjectCaption(o));
        if (o.RotationAngle != 0) {
            m_window.showStatus(texts::kStatusRotating);
            m_reloader.rotatePhoto(m_collage, slot);
        }
    }

    Collage& m_collage;
    ProjectWindow& m_window;
    PhotoReloader& m_reloader;
    MemoryBudget m_budget;
};

} // namespace

std::string dataFolderCopy(const Collage& collage, const SCREENOBJECT& object)
{
    return app::joinPath(app::joinPath(app::DataFolder(), textOf(collage.CollageName)),
                         app::fileNamePart(textOf(object.FileName)));
}

std::string photoFileToReload(const Collage& collage, const SCREENOBJECT& object)
{
    const std::string fileName = textOf(object.FileName);
    if (fileName.empty())
        return {};
    const std::string copy = dataFolderCopy(collage, object);
    if (app::FileExistsQuiet(copy))
        return copy;
    if (app::FileExistsQuiet(fileName))
        return fileName;
    return {};
}

PixelSize reloadSize(const SCREENOBJECT& o)
{
    if (o.RotationAngle != 0 && hasSoundUnrotatedSize(o))
        return {o.UnrotatedWidth, o.UnrotatedHeight};
    return {o.Width, o.Height};
}

RestoredBackground restoredBackgroundOf(const Collage& collage)
{
    RestoredBackground background;
    background.textureFile = textOf(collage.BgTextureFile);
    background.texture = !background.textureFile.empty();
    background.centred = collage.BgCenter != 0;
    background.stretched = !background.centred && collage.BgStretch != 0;
    background.fillType = collage.FillType;
    background.colour = collage.BgColor;
    background.endColour = collage.BgEndColor;
    background.colourHint = texts::kBgColourHint + colourHex(collage.BgColor) + ")";
    background.endColourHint = texts::kEndColourHint + colourHex(collage.BgEndColor) + ")";
    return background;
}

void ReloadImages(Collage& collage, ProjectWindow& window, PhotoReloader& reloader, const std::string& path,
                  const ReloadOptions& options)
{
    LogAction("ReloadImages", logTimestamp());
    window.setCaption(collageCaption(path, collage));
    window.resetView();
    Reload reload(collage, window, reloader, options);
    try {
        reload.objects();
        window.backgroundRestored(restoredBackgroundOf(collage));
        reload.selection();
    }
    catch (const std::exception& e) {
        app::LogError(e, texts::kReloadError);
        window.showError(texts::kReloadError);
    }

    LogAction("ReloadImages", "Finish " + logTimestamp());
    normaliseObjectTable(collage);
    collage.SizingHandle = -1;
    collage.SelBoxesDirty = 1;
    collage.CollageModified = false;
    MarkToRefreshAllObjects(collage);
    window.reloadFinished();
}

} // namespace quiltara::document
