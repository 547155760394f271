#include "document/project_session.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/canvas_size.h"
#include "document/document_error.h"
#include "document/size_text.h"
#include "document/text_field.h"
#include "document/texts.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <exception>

namespace quiltara::document {
namespace {

// Deletes every file directly in the temporary data folder, made writable
// first; folders stay. A link is removed itself, never what it leads to.
void emptyTempFolder()
{
    const std::string temp = app::TempDataFolder();
    DIR* dir = ::opendir(temp.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string path = app::joinPath(temp, entry->d_name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
            continue;
        if (S_ISREG(info.st_mode))
            ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR);
        ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// The view state of a new collage.
void resetViewState(Collage& collage)
{
    collage.LastMouseX = 0;
    collage.LastMouseY = 0;
    collage.SelectionHidden = 0;
    collage.PrevCursorPos = {0, 0};
    for (Rect32* rect : {&collage.SelRect, &collage.LastRubberRect, &collage.DragStartRect}) {
        rect->Left = 0;
        rect->Right = 0;
    }
    // The reserved rectangle at offset 944: its Left and Right.
    std::fill_n(collage.reserved944, 4, std::uint8_t{0});
    std::fill_n(collage.reserved944 + 8, 4, std::uint8_t{0});
    collage.DragStartUnrotatedWidth = 0;
    collage.DragStartUnrotatedHeight = 0;
    collage.Dragging = 0;
}

} // namespace

bool ProjectSession::newCollageFromDialog()
{
    app::LogAction("NewCollage", "Collage ");
    SaveIfModified();
    if (m_cancelled)
        return false;

    NewCollageForm form = openNewCollageForm(m_collage, m_choices);
    if (!m_window.editNewCollage(form))
        return false;
    m_creationFailed = false;
    try {
        createNewCollage(form);
        m_window.showStatus(texts::kStatusNewCollage);
        DisplayCollage(true);
        if (m_creationFailed)
            return false;

        m_window.resetView();
        resetViewState(m_collage);
        m_collage.BgColor = kWhite;
        m_collage.BgEndColor = kWhite;
        m_collage.FillType = 0;
        m_collage.Background = {kWhite, kWhite, 0};
        m_window.backgroundReset();

        m_collage.CollageModified = true;
        m_collage.NumStamps = 0;
        m_window.repaint();
        enableCollageCommands();
    }
    catch (const std::exception& e) {
        app::LogError(e, texts::kNewCollageError);
        m_window.showError(texts::kNewCollageError);
    }
    return true;
}

void ProjectSession::createNewCollage(const NewCollageForm& form)
{
    app::LogAction("NewCollage", "Collage " + form.name);
    if (projectFolderFor(form.name).empty() || form.name.size() > kMaxCollageNameLength)
        throw DocumentError(texts::kEnterName);
    m_choices = choicesOf(form);

    DeleteCollage(m_collage);
    m_collage.Zoom = 1.0f;
    InitCollage(m_collage);
    m_collage.Background.CurrentColor = kWhite;
    m_collage.Background.CurrentEndColor = kWhite;

    m_collage.CanvasWidth = m_collage.ZoomedWidth = form.pixelWidth;
    m_collage.CanvasHeight = m_collage.ZoomedHeight = form.pixelHeight;
    m_collage.Orientation = form.orientation;
    m_collage.CollageSizeIndex = form.printSize;

    m_collagePath = form.name;
    storeTextCut(m_collage.CollageName, form.name);

    emptyTempFolder();
    for (const std::string& folder : {app::WorkspaceRoot(), app::DataFolder(), app::TempDataFolder()})
        ::mkdir(folder.c_str(), 0755);          // an existing folder is not an error
    m_dataFolder = projectFolderFor(form.name); // made by the first save

    m_openDialog.fileName = form.name;
    UpdateCaption(form.name);
    m_window.writeNewCollageKeys(keysOf(form));
    m_window.hideWelcomeDialog();
}

bool ProjectSession::CanvasSizeCommand()
{
    app::LogAction("CanvasSize");
    m_collage.CollageModified = true; // also when the dialog is cancelled
    CanvasSizeForm form = openCanvasSizeForm(m_collage);
    if (!m_window.editCanvasSize(form) || canvasSizeProblem(form))
        return false;
    ApplyCanvasSize(m_collage, *wholeNumber(form.widthText), *wholeNumber(form.heightText));
    UpdateCaption(m_collagePath);
    if (m_collage.NumObjects > 0)
        MarkToRefreshAllOnScreenObjects(m_collage);
    m_window.canvasResized();
    return true;
}

} // namespace quiltara::document
