#include "document/project_session.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/project_error.h"
#include "document/project_writer.h"
#include "document/record_limits.h"
#include "document/text_field.h"
#include "document/texts.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace quiltara::document {

ProjectSession::ProjectSession(Collage& collage, ProjectWindow& window, PhotoReloader& reloader)
    : m_collage(collage), m_window(window), m_reloader(reloader)
{}

bool ProjectSession::SaveIfModified()
{
    m_cancelled = false;
    if (!m_collage.CollageModified)
        return true;
    if (m_collagePath.empty())
        m_collagePath = textOf(m_collage.CollageName);

    switch (m_window.askYesNoCancel(texts::kSaveQuestionStart + m_collagePath + texts::kSaveQuestionEnd)) {
    case Reply::Cancel:
        m_cancelled = true;
        return false;
    case Reply::No:
        m_collage.CollageModified = false;
        return false;
    case Reply::Yes:
        break;
    }
    // A template is never written over, here either: Save As asks for
    // another file.
    const bool direct = app::FileExistsQuiet(m_collagePath) && !isTemplatePath(m_collagePath);
    const bool written = direct ? saveTo(m_collagePath) : SaveAsCommand();
    if (!written) {
        // The user asked for the changes to be kept: whatever replaces the
        // collage must not go ahead.
        m_cancelled = true;
        return false;
    }
    m_collage.CollageModified = false;
    return true;
}

void ProjectSession::DisplayCollage(bool isNew)
{
    app::LogAction("DisplayCollage");
    try {
        m_window.displayCollage();
        if (isNew)
            m_collage.SelBoxesDirty = 1;
    }
    catch (const std::exception& e) {
        app::LogError(e, "DisplayCollage");
        m_window.showError(texts::kDisplayFailure);
        m_collagePath.clear();
        m_collage.CollageModified = false;
        m_creationFailed = true;
    }
}

void ProjectSession::UpdateCaption(const std::string& path)
{
    m_window.setCaption(collageCaption(path, m_collage));
}

void ProjectSession::enableCollageCommands()
{
    m_window.collageCommandsEnabled(zoomEntryOf(m_collage.Zoom), m_collage.NumSlots > 0);
}

bool ProjectSession::saveTo(const std::string& path)
{
    try {
        SaveCollage(m_collage, path);
        return true;
    }
    catch (const SaveError& e) {
        app::LogError(e, "SaveCollage");
        m_window.showError(e.what());
        return false;
    }
}

void ProjectSession::saved()
{
    m_window.showStatus(texts::kStatusSaved);
    m_collage.CollageModified = false;
}

bool isTemplatePath(std::string_view path)
{
    std::string upper(path);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("TEMPLATE") != std::string::npos;
}

std::string projectFolderFor(std::string_view name)
{
    if (!isPlainFolderName(name) || name == "temp")
        return {};
    return app::joinPath(app::DataFolder(), name);
}

} // namespace quiltara::document
