#include "document/project_session.h"

#include "app/core/folders.h"
#include "document/text_field.h"
#include "document/texts.h"

#include <sys/stat.h>

#include <cstdio>

namespace quiltara::document {
namespace {

// The project folder the temporary data folder is to become: DataFolder,
// when it is a folder directly below the workspace's data folder (a file
// never names anything else to rename).
bool isRenameTarget(const std::string& dataFolder)
{
    const auto slash = dataFolder.rfind('/');
    return slash != std::string::npos && !dataFolder.empty() &&
           projectFolderFor(dataFolder.substr(slash + 1)) == dataFolder;
}

bool renameTempFolderTo(const std::string& dataFolder)
{
    if (!isRenameTarget(dataFolder))
        return false;
    return std::rename(app::TempDataFolder().c_str(), dataFolder.c_str()) == 0;
}

// The save dialog's default extension.
std::string withCollageExtension(std::string path)
{
    const std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    if (name.find('.') == std::string::npos)
        path += std::string(".") + texts::kDefaultExtension;
    return path;
}

} // namespace

bool ProjectSession::SaveCommand()
{
    if (textOf(m_collage.CollageName).empty()) {
        m_collage.CollageModified = false;
        if (!NewCollage())
            return false;
    }
    if (isTemplatePath(m_collagePath) || !app::FileExistsQuiet(m_collagePath))
        return SaveAsCommand();
    if (m_saveDialog.folder.empty())
        m_saveDialog.folder = app::CollagesFolder();
    if (!saveTo(m_collagePath))
        return false;
    m_openDialog = m_saveDialog;
    if (!app::FolderExistsQuiet(m_dataFolder))
        renameTempFolderTo(m_dataFolder); // a failure is not reported here
    saved();
    return true;
}

bool ProjectSession::SaveAsCommand()
{
    if (m_saveDialog.folder.empty())
        m_saveDialog.folder = app::CollagesFolder();
    m_saveDialog.fileName = m_collagePath;
    std::string path = m_window.chooseSaveFile(m_saveDialog);
    if (path.empty())
        return false;
    path = withCollageExtension(path);

    if (app::FileExistsQuiet(path)) {
        if (isTemplatePath(path)) {
            m_window.showError(texts::kTemplateOverwrite);
            return false;
        }
        if (!m_window.askWarningYesNo(texts::kOverwriteQuestion))
            return false;
    }
    if (!saveTo(path))
        return false;

    m_saveDialog.fileName = path;
    m_openDialog = {m_saveDialog.folder, path};
    m_collagePath = path;
    UpdateCaption(path);

    const std::string temp = app::TempDataFolder();
    if (!app::FolderExistsQuiet(m_dataFolder) && app::FolderExistsQuiet(temp)) {
        struct stat info {};
        if (::stat(temp.c_str(), &info) == 0)
            ::chmod(temp.c_str(), (info.st_mode & 07777) | S_IWUSR);
        if (!renameTempFolderTo(m_dataFolder))
            m_window.showError(texts::kProjectExists);
    }
    saved();
    return true;
}

} // namespace quiltara::document
