#include "app/project_commands.h"

#include "app/command_gate.h"
#include "app/core/action_log.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "app/ui/command_boundary.h"
#include "document/texts.h"

#include <QAction>
#include <QFileInfo>
#include <QThread>

#include <utility>

namespace quiltara::app {
namespace {

// Stands in for the photo pipeline until it exists. A photo read from a file
// keeps its record, so saving the collage again loses nothing, but it gets
// no pictures: its image streams stay empty and the canvas shows nothing
// where it stands. Text objects do not come here and reopen as they were.
class PhotosKeptWithoutPictures final : public document::PhotoReloader {
public:
    bool reloadPhoto(document::Collage&, int slot, const std::string& file, int, int) override
    {
        LogAction("ReloadImages",
                  "no photo pipeline, slot " + std::to_string(slot) + " kept without picture: " + file);
        return false;
    }
    void rotatePhoto(document::Collage&, int) override {}
};

} // namespace

ProjectCommands::ProjectCommands(TfrmMain& window, document::PhotoReloader* reloader)
    : m_window(window), m_adapter(window),
      m_ownReloader(reloader ? nullptr : std::make_unique<PhotosKeptWithoutPictures>()),
      m_session(window.collage(), m_adapter, reloader ? *reloader : *m_ownReloader)
{
    // The first New Collage dialog starts from the window's start choices.
    document::NewCollageChoices& choices = m_session.newCollageChoices();
    choices.printSize = window.NewCollageSizeIndex;
    choices.orientation = window.NewCollageOrientation;
    choices.resolution = window.NewCollageResolutionIndex;
    wire();
}

ProjectCommands::~ProjectCommands()
{
    // The window may outlive the session for a moment; nothing of it must
    // be called then. The command connections end with this object.
    MainHooks& hooks = m_window.hooks();
    hooks.saveIfModified = {};
    hooks.newCollage = {};
    hooks.openCollageFile = {};
}

void ProjectCommands::wire()
{
    MainCommands& c = m_window.commands();
    wireCommand(c.menuNewCollage, this, [this] { menuNewCollageClick(); });
    wireCommand(c.ToolButtonNew, this, [this] { ToolButtonNewClick(); });
    wireCommand(c.menuOpenCollage, this, [this] { menuOpenCollageClick(); });
    wireCommand(c.ToolButtonOpen, this, [this] { menuOpenCollageClick(); });
    wireCommand(c.menuSaveCollage, this, [this] { menuSaveCollageClick(); });
    wireCommand(c.ToolButtonSave, this, [this] { ToolButtonSaveClick(); });
    wireCommand(c.menuSaveCollageAs, this, [this] { menuSaveCollageAsClick(); });
    wireCommand(c.menuCanvasSize, this, [this] { menuCanvasSizeClick(); });

    MainHooks& hooks = m_window.hooks();
    hooks.saveIfModified = [this] { return saveIfModified(); };
    hooks.newCollage = [this] { return newCollage(); };
    hooks.openCollageFile = [this](const std::string& path) { return openCollageFile(path); };
}

template <typename Body>
bool ProjectCommands::run(const char* operation, const char* failureText, Body&& body)
{
    const bool completed =
        runCommand(&m_window, operation, QString::fromUtf8(failureText), std::forward<Body>(body));
    // The Welcome dialog's open and the New Collage dialog read the window's
    // copies.
    m_window.CollageOpenFolder = m_session.openDialog().folder;
    const document::NewCollageChoices& choices = m_session.newCollageChoices();
    m_window.NewCollageSizeIndex = choices.printSize;
    m_window.NewCollageOrientation = choices.orientation;
    m_window.NewCollageResolutionIndex = choices.resolution;
    return completed;
}

void ProjectCommands::menuNewCollageClick()
{
    newCollage();
}

void ProjectCommands::ToolButtonNewClick()
{
    if (newCollage())
        m_window.requestCanvasRepaint();
}

void ProjectCommands::menuOpenCollageClick()
{
    run("menuOpenCollageClick", texts::kErrorOpeningCollage, [this] { m_session.OpenCommand(); });
}

void ProjectCommands::menuSaveCollageClick()
{
    run("menuSaveCollageClick", texts::kErrorSavingCollage, [this] { m_session.SaveCommand(); });
}

void ProjectCommands::ToolButtonSaveClick()
{
    // The hourglass stays a moment after the save, so a quick save is still
    // seen. The unsaved-changes mark is left as the save left it: a save
    // that did not happen keeps it.
    run("ToolButtonSaveClick", texts::kErrorSavingCollage, [this] {
        m_session.SaveCommand();
        QThread::msleep(250);
    });
}

void ProjectCommands::menuSaveCollageAsClick()
{
    run("menuSaveCollageAsClick", texts::kErrorSavingCollage, [this] { m_session.SaveAsCommand(); });
}

void ProjectCommands::menuCanvasSizeClick()
{
    run("menuCanvasSizeClick", texts::kErrorCanvasSize, [this] { m_session.CanvasSizeCommand(); });
}

bool ProjectCommands::saveIfModified()
{
    // A failure on the way keeps the window open with its changes.
    bool goOn = false;
    run("SaveIfModified", texts::kErrorSavingCollage, [&] {
        m_session.SaveIfModified();
        goOn = !m_session.saveQuestionCancelled();
    });
    return goOn;
}

bool ProjectCommands::newCollage()
{
    bool created = false;
    run("menuNewCollageClick", document::texts::kNewCollageError, [&] { created = m_session.NewCollage(); });
    return created;
}

bool ProjectCommands::openCollageFile(const std::string& path)
{
    if (path.empty())
        return false; // an empty path would mean the New Collage dialog
    // A name given on the command line is taken from the folder the program
    // was started in, and kept as a full path for later saves.
    const std::string fullPath = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    bool opened = false;
    run("OpenCollageFile", texts::kErrorOpeningCollage,
        [&] { opened = m_session.OpenCollageFile(fullPath); });
    return opened;
}

} // namespace quiltara::app
