#pragma once

#include "document/project_window.h"

namespace quiltara::app {

class TfrmMain;

// The main window's side of the project commands: their questions and file
// dialogs go through the prompter, the two size dialogs are the document's
// own, and what they change on screen (status bar, caption, menus, canvas)
// is the window's. Everything the canvas is asked to do sits in one part of
// the implementation, so that it follows the renderer.
class ProjectWindowAdapter final : public document::ProjectWindow {
public:
    explicit ProjectWindowAdapter(TfrmMain& window);

    document::Reply askYesNoCancel(const std::string& text) override;
    bool askWarningYesNo(const std::string& text) override;
    std::string chooseSaveFile(const document::FileDialogState& dialog) override;
    std::string chooseOpenFile(const document::FileDialogState& dialog) override;
    bool editNewCollage(document::NewCollageForm& form) override;
    bool editCanvasSize(document::CanvasSizeForm& form) override;

    void showError(const std::string& text) override;
    void showStatus(const std::string& text) override;
    void setCaption(const std::string& caption) override;

    void saveDesktopSettings() override;
    void writeNewCollageKeys(const document::NewCollageKeys& keys) override;
    void setJustOpened(bool justOpened) override;
    void hideWelcomeDialog() override;

    void collageCommandsEnabled(document::ZoomEntry zoom, bool objectsMenu) override;
    void selectionCommandsEnabled(bool photo, bool text) override;
    void objectMenuEntryAdded(int slot, const std::string& caption) override;

    // The canvas.
    void displayCollage() override;
    void resetView() override;
    void backgroundRestored(const document::RestoredBackground& background) override;
    void backgroundReset() override;
    void reloadFinished() override;
    void canvasResized() override;
    void repaint() override;

private:
    TfrmMain& m_window;
};

} // namespace quiltara::app
