#include "app/core/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quiltara::app {
namespace {

namespace fs = std::filesystem;

// Points HOME and XDG_CONFIG_HOME at a fresh folder for the test's length.
class FreshHome : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
        const char* config = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = config ? config : "";
        m_hadConfig = config != nullptr;
        m_home = fs::temp_directory_path() / ("quiltara-home-" + std::to_string(::getpid()));
        fs::remove_all(m_home);
        fs::create_directories(m_home);
        ::setenv("HOME", m_home.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override
    {
        ::setenv("HOME", m_oldHome.c_str(), 1);
        if (m_hadConfig)
            ::setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
        fs::remove_all(m_home);
    }
    fs::path m_home;
    std::string m_oldHome;
    std::string m_oldConfig;
    bool m_hadConfig = false;
};

TEST_F(FreshHome, DocumentsFallBackToTheHomeFolderWithoutUserDirs)
{
    EXPECT_EQ(DocumentsFolder(), (m_home / "Documents").string());
    EXPECT_EQ(PicturesFolder(), (m_home / "Pictures").string());
    EXPECT_EQ(WorkspaceRoot(), (m_home / "Documents" / "Quiltara Projects").string());
}

TEST_F(FreshHome, UserDirsFileNamesTheFolders)
{
    fs::create_directories(m_home / ".config");
    std::ofstream(m_home / ".config" / "user-dirs.dirs") << "# written by the desktop\n"
                                                         << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                                         << "XDG_PICTURES_DIR=\"/srv/pictures\"\n";
    EXPECT_EQ(DocumentsFolder(), (m_home / "Dokumente").string());
    EXPECT_EQ(PicturesFolder(), "/srv/pictures");
}

TEST_F(FreshHome, WorkspaceTreeIsCreatedAndCreatingItAgainIsHarmless)
{
    CreateWorkspaceFolders();
    CreateWorkspaceFolders();
    const fs::path root = m_home / "Documents" / "Quiltara Projects";
    for (const fs::path& folder : {root, root / "Collages", root / "data", root / "data" / "temp",
                                   root / "data" / "temp" / "Textures"})
        EXPECT_TRUE(FolderExistsQuiet(folder.string())) << folder;
    EXPECT_FALSE(FileExistsQuiet(root.string()));
    EXPECT_FALSE(FolderExistsQuiet((root / "missing").string()));
    EXPECT_FALSE(FileExistsQuiet(""));
}

TEST_F(FreshHome, ProgramPathsMatchFolderNamesWithoutRegardToCase)
{
    fs::create_directories(m_home / "prog" / "TEXTURES" / "themes");
    setProgramFolder((m_home / "prog").string() + "/");
    EXPECT_EQ(ProgramFolder(), (m_home / "prog").string());
    EXPECT_EQ(programPath("Textures/Themes"), (m_home / "prog" / "TEXTURES" / "themes").string());
    EXPECT_EQ(programPath("textures\\THEMES"), (m_home / "prog" / "TEXTURES" / "themes").string());
    // Nothing matches: the name stays as given.
    EXPECT_EQ(programPath("Stamps/a.png"), (m_home / "prog" / "Stamps" / "a.png").string());
    EXPECT_EQ(helpPagePath("NewCollage"), (m_home / "prog" / "help" / "NewCollage.htm").string());
}

TEST(FileNamePart, EndsAtTheLastSlashBackslashOrColon)
{
    EXPECT_EQ(fileNamePart("/home/a/IMG_0001.JPG"), "IMG_0001.JPG");
    EXPECT_EQ(fileNamePart("C:\\Photos\\Trip\\beach.jpg"), "beach.jpg");
    EXPECT_EQ(fileNamePart("C:beach.jpg"), "beach.jpg");
    EXPECT_EQ(fileNamePart("beach.jpg"), "beach.jpg");
    EXPECT_EQ(fileNamePart("folder/"), "");
}

TEST(AvailableMemory, IsReadFromTheSystem)
{
    EXPECT_GT(AvailablePhysicalMemory(), 0u);
}

} // namespace
} // namespace quiltara::app
