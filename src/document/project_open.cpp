#include "document/project_session.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/log_time.h"
#include "document/project_check.h"
#include "document/project_reader.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "imaging/pixel_format.h"

#include <exception>

namespace quiltara::document {

bool ProjectSession::OpenCommand()
{
    m_window.setJustOpened(true);
    if (m_openDialog.folder.empty())
        m_openDialog.folder = app::CollagesFolder();
    const std::string path = m_window.chooseOpenFile(m_openDialog);
    bool opened = false;
    if (!path.empty()) {
        app::LogAction("OpenCollageFile", "START " + logTimestamp() + " " + path);
        m_window.showStatus(texts::kStatusOpening);
        opened = OpenCollageFile(path);
        app::LogAction("OpenCollageFile", "END " + logTimestamp() + " " + path);
    }
    m_window.setJustOpened(false);
    // Only a collage that was opened is unmodified; one that stays keeps its
    // unsaved changes.
    if (opened)
        m_collage.CollageModified = false;
    return opened;
}

bool ProjectSession::OpenCollageFile(const std::string& path)
{
    app::LogAction("OpenCollageFile", "START " + logTimestamp() + " " + path);
    const CheckResult check = validateCollageFile(path, true);
    if (!check.opens) {
        if (!check.refusal.empty())
            m_window.showError(check.refusal);
        m_window.showError(texts::kOpenRefused);
        return false;
    }
    m_window.saveDesktopSettings();
    if (!NewCollage(path))
        return false;
    app::LogAction("OpenCollageFile", "END " + logTimestamp() + " " + path);

    // The data folder follows the file's name; a name that cannot be a
    // folder keeps the one CollageName gives.
    const std::string byFile = projectFolderFor(localBaseName(path));
    if (!byFile.empty())
        m_dataFolder = byFile;
    m_collagePath = path;
    UpdateCaption(path);
    if (m_collage.SelectionHidden)
        m_window.selectionCommandsEnabled(false, false);
    return true;
}

bool ProjectSession::NewCollage(const std::string& path)
{
    if (path.empty())
        return newCollageFromDialog();
    app::LogAction("NewCollage", "Collage " + path);
    SaveIfModified();
    if (m_cancelled)
        return false;
    try {
        readIntoDocument(path);
        enableCollageCommands();
    }
    catch (const std::exception& e) {
        app::LogError(e, texts::kNewCollageError);
        m_window.showError(texts::kNewCollageError);
    }
    return true;
}

bool ProjectSession::readIntoDocument(const std::string& path)
{
    DeleteCollage(m_collage);
    std::vector<std::uint8_t> bytes;
    if (!readCollageBytes(path, bytes)) {
        InitCollage(m_collage); // an empty document, with its viewport buffers
        return false;
    }
    const std::vector<std::string> messages = readCollage(bytes, m_collage);
    m_dataFolder = app::joinPath(app::DataFolder(), textOf(m_collage.CollageName));
    for (const std::string& message : messages)
        m_window.showError(message);

    struct ReloadingMark {
        bool& mark;
        explicit ReloadingMark(bool& m) : mark(m) { mark = true; }
        ~ReloadingMark() { mark = false; }
    } reloading(m_reloading);
    ReloadImages(m_collage, m_window, m_reloader, path, m_reloadOptions);

    m_collage.SelRect = m_collage.DragStartRect;
    m_collage.Dragging = 0;
    if (m_collage.Wallpaper.empty())
        m_collage.Wallpaper.resize(m_collage.View.ClientWidth, m_collage.View.ClientHeight,
                                   imaging::workingBytesPerPixel());
    DisplayCollage(false);
    m_collage.Background = {m_collage.BgColor, m_collage.BgEndColor, m_collage.FillType};
    return true;
}

} // namespace quiltara::document
