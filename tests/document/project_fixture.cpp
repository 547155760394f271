#include "project_fixture.h"

#include "app/core/folders.h"
#include "document/canvas_size.h"
#include "document/new_collage.h"
#include "document/text_field.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace quiltara::document::testing {

void ProjectTest::SetUp()
{
    const char* home = std::getenv("HOME");
    m_oldHome = home ? home : "";
    m_oldProgram = app::ProgramFolder();
    char pattern[] = "/tmp/quiltara-project-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_home = pattern;
    // Readable by all, so a test that drops its privileges can still work here.
    fs::permissions(m_home, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    m_program = m_home / "program";
    fs::create_directories(m_program);
    fs::create_directories(collages());
    fs::create_directories(dataFolder() / "temp");
    fs::create_directories(elsewhere());
    ::setenv("HOME", m_home.c_str(), 1);
    app::setProgramFolder(m_program.string());
}

void ProjectTest::TearDown()
{
    ::setenv("HOME", m_oldHome.c_str(), 1);
    app::setProgramFolder(m_oldProgram);
    std::error_code ignored;
    fs::remove_all(m_home, ignored);
}

void setUpHeader(Collage& collage, const std::string& name)
{
    storeTextCut(collage.CollageName, name);
    collage.CanvasWidth = collage.ZoomedWidth = 1000;
    collage.CanvasHeight = collage.ZoomedHeight = 800;
    collage.Zoom = 1.0f;
}

int addLivePhoto(Collage& collage, const std::string& path)
{
    const int slot = AddNewSelection(collage, 10, 20, 100, 80);
    ScreenObject& o = collage.object(slot);
    o.IsPhoto = 1;
    storeTerminatedText(o.FileName, path);
    o.InUse = 1;
    return slot;
}

int addLiveText(Collage& collage, const std::string& text)
{
    const int slot = AddNewSelection(collage, 0, 0, 120, 40);
    ScreenObject& o = collage.object(slot);
    o.IsText = 1;
    storeTerminatedText(o.TextLine, text);
    o.InUse = 1;
    return slot;
}

StampRecord stampNamed(const std::string& file, int x, int y)
{
    StampRecord stamp{};
    storeText(stamp.StampFile, file);
    stamp.X = x;
    stamp.Y = y;
    return stamp;
}

std::vector<std::uint8_t> readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

SCREENOBJECT recordAt(const std::vector<std::uint8_t>& bytes, int slot)
{
    SCREENOBJECT record;
    const std::size_t offset = sizeof(CollageHeader) + static_cast<std::size_t>(slot) * sizeof record;
    if (bytes.size() < offset + sizeof record)
        throw std::out_of_range("no such record");
    std::memcpy(&record, bytes.data() + offset, sizeof record);
    return record;
}

CollageHeader headerOf(const std::vector<std::uint8_t>& bytes)
{
    CollageHeader header;
    if (bytes.size() < sizeof header)
        throw std::out_of_range("no header");
    std::memcpy(&header, bytes.data(), sizeof header);
    return header;
}

bool withoutPrivileges(const std::function<bool()>& body)
{
    if (::geteuid() != 0)
        return body();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

namespace {

// The next scripted answer, or the fallback when the script has run out.
template <typename T>
T next(std::deque<T>& script, T fallback)
{
    if (script.empty())
        return fallback;
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

} // namespace

Reply ScriptedWindow::askYesNoCancel(const std::string& text)
{
    questions.push_back(text);
    return next(replies, Reply::Cancel);
}

bool ScriptedWindow::askWarningYesNo(const std::string& text)
{
    questions.push_back(text);
    return next(warnings, false);
}

std::string ScriptedWindow::chooseSaveFile(const FileDialogState& dialog)
{
    saveDialogs.push_back(dialog);
    return next(savePaths, std::string());
}

std::string ScriptedWindow::chooseOpenFile(const FileDialogState& dialog)
{
    openDialogs.push_back(dialog);
    return next(openPaths, std::string());
}

bool ScriptedWindow::editNewCollage(NewCollageForm& form)
{
    return newCollageDialog && newCollageDialog(form);
}

bool ScriptedWindow::editCanvasSize(CanvasSizeForm& form)
{
    return canvasSizeDialog && canvasSizeDialog(form);
}

void ScriptedWindow::displayCollage()
{
    if (throwOnDisplay)
        throw std::runtime_error("no memory for the canvas");
}

void ScriptedWindow::collageCommandsEnabled(ZoomEntry entry, bool objects)
{
    zoom = entry;
    objectsMenu = objects;
    ++commandsEnabled;
}

bool FakeReloader::reloadPhoto(Collage& collage, int slot, const std::string& file, int width, int height)
{
    if (throwOnLoad)
        throw std::runtime_error("decoder failed");
    loads.push_back({slot, file, width, height});
    ScreenObject& o = collage.object(slot);
    o.ResizedPhotoStream->allocate(width, height, 3);
    o.ResizedWidth = width;
    o.ResizedHeight = height;
    return true;
}

} // namespace quiltara::document::testing
