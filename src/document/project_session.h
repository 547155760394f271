#pragma once

#include "document/collage.h"
#include "document/new_collage.h"
#include "document/project_window.h"
#include "document/reload_images.h"

#include <string>

namespace quiltara::document {

// The open project: the collage, where it is stored, and the commands that
// create, save and open it. The main window owns one for the whole run and
// calls these commands from its menu and tool-bar handlers; everything the
// commands show or ask goes through the ProjectWindow.
class ProjectSession {
public:
    ProjectSession(Collage& collage, ProjectWindow& window, PhotoReloader& reloader);

    Collage& collage() { return m_collage; }

    // CollagePath: the .CLG file the collage was opened from or last saved
    // to; for a collage never saved, its name.
    const std::string& collagePath() const { return m_collagePath; }
    void setCollagePath(std::string path) { m_collagePath = std::move(path); }
    // DataFolder: the project's data folder below WorkspaceRoot/data.
    const std::string& dataFolder() const { return m_dataFolder; }
    void setDataFolder(std::string folder) { m_dataFolder = std::move(folder); }

    FileDialogState& openDialog() { return m_openDialog; }
    FileDialogState& saveDialog() { return m_saveDialog; }
    // The choices the next New Collage dialog starts from.
    NewCollageChoices& newCollageChoices() { return m_choices; }
    ReloadOptions& reloadOptions() { return m_reloadOptions; }

    // The cancel mark: the last save question was cancelled (or the save
    // it asked for did not happen).
    bool saveQuestionCancelled() const { return m_cancelled; }
    // Set while ReloadImages runs; the window's timer starts no full redraw
    // meanwhile.
    bool reloading() const { return m_reloading; }

    // Save ("&Save Collage" and the Save button): to CollagePath when that
    // is an existing file that is not a template, else Save As. True when
    // the collage was written.
    bool SaveCommand();
    // Save As ("Save Collage As .."). True when the collage was written.
    bool SaveAsCommand();
    // Asks whether to save a modified collage. True when it was not modified
    // or has been saved; false when the user declined (No) or cancelled,
    // and then saveQuestionCancelled() tells which.
    bool SaveIfModified();

    // Open ("&Open Collage  .." and the Open button).
    bool OpenCommand();
    // Checks and repairs, reads and shows a collage file (the command line,
    // the Welcome dialog and Open use it). False when it was refused or the
    // save question was cancelled; the current collage is untouched then.
    bool OpenCollageFile(const std::string& path);
    // With an empty path ("&New", the New button, "Create New Collage"): the
    // New Collage dialog; false when it was cancelled. With a path: reads
    // the file into the document (OpenCollageFile's part after the check).
    bool NewCollage(const std::string& path = {});
    // What OK in the New Collage dialog does once its checks have passed:
    // replaces the document by an empty collage of the form's size and
    // name, and prepares the workspace folders.
    void createNewCollage(const NewCollageForm& form);

    // "Modify &Canvas Size ..". True when a new size was taken.
    bool CanvasSizeCommand();

    // DisplayCollage(isNew) and UpdateCaption(path).
    void DisplayCollage(bool isNew);
    void UpdateCaption(const std::string& path);

private:
    bool saveTo(const std::string& path);
    bool newCollageFromDialog();
    bool readIntoDocument(const std::string& path);
    void enableCollageCommands();
    void saved();

    Collage& m_collage;
    ProjectWindow& m_window;
    PhotoReloader& m_reloader;
    std::string m_collagePath;
    std::string m_dataFolder;
    FileDialogState m_openDialog;
    FileDialogState m_saveDialog;
    NewCollageChoices m_choices;
    ReloadOptions m_reloadOptions;
    bool m_cancelled = false;
    bool m_creationFailed = false;
    bool m_reloading = false;
};

// True when an upper-cased path contains "TEMPLATE": a collage template,
// which the save commands never overwrite.
bool isTemplatePath(std::string_view path);

// The project folder a name stands for: WorkspaceRoot/data/ + name, or empty
// when the name is not one plain folder name (or is "temp").
std::string projectFolderFor(std::string_view name);

} // namespace quiltara::document
