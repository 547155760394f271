#pragma once

// What the project tests share: a workspace and a program folder of their
// own, small collages, and a scripted window and photo reloader.

#include "document/collage.h"
#include "document/project_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quiltara::document::testing {

namespace fs = std::filesystem;

// Points HOME at a fresh folder (so WorkspaceRoot is below it) and the
// program folder at another, for one test's length.
class ProjectTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path workspace() const { return m_home / "Documents" / "Quiltara Projects"; }
    fs::path dataFolder() const { return workspace() / "data"; }
    fs::path projectFolder(const std::string& name) const { return dataFolder() / name; }
    fs::path collages() const { return workspace() / "Collages"; }
    fs::path program() const { return m_program; }
    fs::path elsewhere() const { return m_home / "elsewhere"; }

    fs::path m_home;
    fs::path m_program;
    std::string m_oldHome;
    std::string m_oldProgram;
};

// A header that opens: the name, a 1000 x 800 canvas, zoom 1.
void setUpHeader(Collage& collage, const std::string& name);
// A live photo of 100 x 80 at (10, 20) whose file is path.
int addLivePhoto(Collage& collage, const std::string& path);
// A live text object of 120 x 40.
int addLiveText(Collage& collage, const std::string& text);
StampRecord stampNamed(const std::string& file, int x = 5, int y = 6);

std::vector<std::uint8_t> readBytes(const fs::path& path);
void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes);
void touch(const fs::path& path);

// The record of slot i inside .CLG bytes.
SCREENOBJECT recordAt(const std::vector<std::uint8_t>& bytes, int slot);
CollageHeader headerOf(const std::vector<std::uint8_t>& bytes);

// Runs body as an unprivileged user where the tests run as root (so that
// file permissions count), else in place. Returns body's result.
bool withoutPrivileges(const std::function<bool()>& body);

// Answers from a script and records what the commands showed.
class ScriptedWindow : public ProjectWindow {
public:
    std::deque<Reply> replies;         // askYesNoCancel
    std::deque<bool> warnings;         // askWarningYesNo
    std::deque<std::string> savePaths; // chooseSaveFile ("" = cancel)
    std::deque<std::string> openPaths; // chooseOpenFile
    std::function<bool(NewCollageForm&)> newCollageDialog;
    std::function<bool(CanvasSizeForm&)> canvasSizeDialog;

    std::vector<std::string> questions;
    std::vector<std::string> errors;
    std::vector<std::string> statuses;
    std::vector<FileDialogState> saveDialogs;
    std::vector<FileDialogState> openDialogs;
    std::string caption;
    ZoomEntry zoom = ZoomEntry::None;
    bool objectsMenu = false;
    int commandsEnabled = 0;
    std::vector<std::pair<int, std::string>> menuEntries;
    std::vector<NewCollageKeys> keys;
    std::vector<RestoredBackground> backgrounds;
    int reloadsFinished = 0;
    int canvasResizes = 0;
    int desktopSaves = 0;
    bool throwOnDisplay = false;

    Reply askYesNoCancel(const std::string& text) override;
    bool askWarningYesNo(const std::string& text) override;
    std::string chooseSaveFile(const FileDialogState& dialog) override;
    std::string chooseOpenFile(const FileDialogState& dialog) override;
    bool editNewCollage(NewCollageForm& form) override;
    bool editCanvasSize(CanvasSizeForm& form) override;
    void showError(const std::string& text) override { errors.push_back(text); }
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void setCaption(const std::string& text) override { caption = text; }
    void saveDesktopSettings() override { ++desktopSaves; }
    void writeNewCollageKeys(const NewCollageKeys& k) override { keys.push_back(k); }
    void displayCollage() override;
    void collageCommandsEnabled(ZoomEntry entry, bool objects) override;
    void objectMenuEntryAdded(int slot, const std::string& text) override
    {
        menuEntries.emplace_back(slot, text);
    }
    void backgroundRestored(const RestoredBackground& b) override { backgrounds.push_back(b); }
    void reloadFinished() override { ++reloadsFinished; }
    void canvasResized() override { ++canvasResizes; }
};

// Records the photos it is asked to reload and gives each a resized image of
// the size asked for.
class FakeReloader : public PhotoReloader {
public:
    struct Call {
        int slot;
        std::string file;
        int width;
        int height;
    };
    std::vector<Call> loads;
    std::vector<int> rotations;
    bool throwOnLoad = false;

    bool reloadPhoto(Collage& collage, int slot, const std::string& file, int width, int height) override;
    void rotatePhoto(Collage& collage, int slot) override { rotations.push_back(slot); }
};

} // namespace quiltara::document::testing
