#include "document/canvas_size.h"
#include "document/project_reader.h"
#include "document/project_session.h"
#include "document/project_writer.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "project_fixture.h"

namespace quiltara::document {
namespace {

using namespace testing;

class Session : public ProjectTest {
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        m_collage.View.ClientWidth = 640;
        m_collage.View.ClientHeight = 480;
    }

    // A collage as New Collage leaves it, with one photo in data/temp.
    void startCollage(const std::string& name)
    {
        NewCollageForm form = openNewCollageForm(m_collage, {});
        form.name = name;
        m_session.createNewCollage(form);
        touch(dataFolder() / "temp" / "a.jpg");
        addLivePhoto(m_collage, (dataFolder() / "temp" / "a.jpg").string());
    }

    // A saved project: file, project folder with the photo's copy.
    fs::path savedProject(const std::string& name, float zoom = 1.0f)
    {
        Collage collage;
        setUpHeader(collage, name);
        collage.Zoom = zoom;
        touch(projectFolder(name) / "a.jpg");
        addLivePhoto(collage, (elsewhere() / "a.jpg").string());
        const fs::path file = collages() / (name + ".CLG");
        SaveCollage(collage, file.string());
        return file;
    }

    Collage m_collage;
    ScriptedWindow m_window;
    FakeReloader m_reloader;
    ProjectSession m_session{m_collage, m_window, m_reloader};
};

TEST_F(Session, TheSaveQuestionHasItsExactTextAndThreeAnswers)
{
    startCollage("Party");
    m_window.replies = {Reply::Cancel};
    EXPECT_FALSE(m_session.SaveIfModified());
    EXPECT_TRUE(m_session.saveQuestionCancelled());
    EXPECT_TRUE(m_collage.CollageModified);
    ASSERT_EQ(m_window.questions.size(), 1u);
    EXPECT_EQ(m_window.questions[0],
              "The collage has been modified.\n\rDo you want to save the collage :\r\nParty? ");

    m_window.replies = {Reply::No};
    EXPECT_FALSE(m_session.SaveIfModified());
    EXPECT_FALSE(m_session.saveQuestionCancelled());
    EXPECT_FALSE(m_collage.CollageModified);

    EXPECT_TRUE(m_session.SaveIfModified()); // not modified: no question
    EXPECT_EQ(m_window.questions.size(), 2u);

    // Yes for a collage with no file yet runs Save As.
    m_collage.CollageModified = true;
    m_window.replies = {Reply::Yes};
    m_window.savePaths = {(collages() / "Party.CLG").string()};
    EXPECT_TRUE(m_session.SaveIfModified());
    EXPECT_TRUE(fs::exists(collages() / "Party.CLG"));
    EXPECT_FALSE(m_collage.CollageModified);
}

TEST_F(Session, YesForAModifiedTemplateAsksForAnotherFile)
{
    startCollage("Tpl");
    const fs::path templateFile = collages() / "PartyTemplate.CLG";
    writeBytes(templateFile, {1});
    m_session.setCollagePath(templateFile.string());
    m_window.replies = {Reply::Yes};
    m_window.savePaths = {(collages() / "Party.CLG").string()};
    EXPECT_TRUE(m_session.SaveIfModified());
    EXPECT_EQ(readBytes(templateFile), std::vector<std::uint8_t>{1});
    EXPECT_TRUE(fs::exists(collages() / "Party.CLG"));
}

TEST_F(Session, YesWithoutASaveKeepsTheCollage)
{
    startCollage("Kept");
    m_window.replies = {Reply::Yes};
    m_window.savePaths = {""}; // the save dialog is cancelled
    EXPECT_FALSE(m_session.SaveIfModified());
    EXPECT_TRUE(m_session.saveQuestionCancelled());
    EXPECT_TRUE(m_collage.CollageModified);
}

TEST_F(Session, TheFirstSaveAsMovesTheTempFolderToTheProject)
{
    startCollage("Beach");
    EXPECT_EQ(m_session.dataFolder(), projectFolder("Beach").string());
    EXPECT_FALSE(fs::exists(projectFolder("Beach")));
    m_window.savePaths = {(collages() / "Beach").string()}; // the extension is added
    EXPECT_TRUE(m_session.SaveAsCommand());
    EXPECT_EQ(m_window.saveDialogs.at(0).folder, collages().string());
    EXPECT_EQ(m_window.saveDialogs.at(0).fileName, "Beach");
    EXPECT_TRUE(fs::exists(collages() / "Beach.CLG"));
    EXPECT_TRUE(fs::exists(projectFolder("Beach") / "a.jpg"));
    EXPECT_FALSE(fs::exists(dataFolder() / "temp"));
    EXPECT_EQ(m_session.collagePath(), (collages() / "Beach.CLG").string());
    EXPECT_EQ(m_session.openDialog().fileName, (collages() / "Beach.CLG").string());
    EXPECT_EQ(m_window.statuses.back(), texts::kStatusSaved);
    EXPECT_FALSE(m_collage.CollageModified);
    EXPECT_EQ(m_window.caption, "Quiltara 3.00  - [Beach.CLG] - 900 X 600  [Zoom 100%]");

    // The next Save writes the same file and leaves the folders alone.
    m_collage.CollageModified = true;
    EXPECT_TRUE(m_session.SaveCommand());
    EXPECT_EQ(m_window.saveDialogs.size(), 1u);
    EXPECT_FALSE(m_collage.CollageModified);
}

TEST_F(Session, SaveOfANewCollageRunsSaveAs)
{
    startCollage("Fresh");
    m_window.savePaths = {(collages() / "Fresh.CLG").string()};
    EXPECT_TRUE(m_session.SaveCommand());
    EXPECT_EQ(m_window.saveDialogs.size(), 1u);
    EXPECT_TRUE(fs::exists(projectFolder("Fresh")));
}

TEST_F(Session, ATemplateIsNeverOverwritten)
{
    startCollage("Tpl");
    const fs::path templateFile = collages() / "WeddingTemplate.CLG";
    writeBytes(templateFile, {1, 2, 3});
    m_session.setCollagePath(templateFile.string());

    // Save on a template always asks for a file, whatever the letter case.
    m_window.savePaths = {templateFile.string()};
    EXPECT_FALSE(m_session.SaveCommand());
    EXPECT_EQ(m_window.saveDialogs.size(), 1u);
    EXPECT_EQ(m_window.errors, std::vector<std::string>{texts::kTemplateOverwrite});
    EXPECT_EQ(readBytes(templateFile), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(m_collage.CollageModified);

    m_session.setCollagePath((collages() / "my-template-copy.clg").string());
    writeBytes(collages() / "my-template-copy.clg", {4});
    m_window.savePaths = {(collages() / "Mine.CLG").string()};
    EXPECT_TRUE(m_session.SaveCommand());
    EXPECT_EQ(m_window.saveDialogs.size(), 2u);
    EXPECT_EQ(readBytes(collages() / "my-template-copy.clg"), std::vector<std::uint8_t>{4});
}

TEST_F(Session, OverwritingAnotherCollageAsksFirst)
{
    startCollage("Over");
    const fs::path other = collages() / "Other.CLG";
    writeBytes(other, {9});
    m_window.savePaths = {other.string(), other.string()};
    m_window.warnings = {false, true};

    EXPECT_FALSE(m_session.SaveAsCommand());
    EXPECT_EQ(m_window.questions, std::vector<std::string>{texts::kOverwriteQuestion});
    EXPECT_EQ(readBytes(other), std::vector<std::uint8_t>{9});
    EXPECT_TRUE(m_collage.CollageModified);
    EXPECT_TRUE(m_window.statuses.empty());

    EXPECT_TRUE(m_session.SaveAsCommand());
    EXPECT_EQ(fs::file_size(other), 2124u + 2428);
}

TEST_F(Session, AFailedSaveSaysWhyAndKeepsTheChanges)
{
    startCollage("Fail");
    m_window.savePaths = {(m_home / "no-such-folder" / "Fail.CLG").string()};
    EXPECT_FALSE(m_session.SaveAsCommand());
    ASSERT_EQ(m_window.errors.size(), 1u);
    EXPECT_EQ(m_window.errors[0].rfind(texts::kSaveFailedStart, 0), 0u);
    EXPECT_NE(m_window.errors[0].find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(m_collage.CollageModified);
    EXPECT_TRUE(m_window.statuses.empty());
    EXPECT_EQ(m_session.collagePath(), "Fail");
}

TEST_F(Session, NoFolderOutsideTheDataFolderIsEverRenamedTo)
{
    startCollage("Taken");
    m_session.setDataFolder((elsewhere() / "project").string());
    m_window.savePaths = {(collages() / "Taken.CLG").string()};
    EXPECT_TRUE(m_session.SaveAsCommand()); // the file is saved
    EXPECT_EQ(m_window.errors, std::vector<std::string>{texts::kProjectExists});
    EXPECT_TRUE(fs::exists(dataFolder() / "temp" / "a.jpg"));
    EXPECT_FALSE(fs::exists(elsewhere() / "project"));
    EXPECT_FALSE(m_collage.CollageModified);
}

TEST_F(Session, OpeningRecognisesTheSavedZoom)
{
    struct Case {
        float zoom;
        ZoomEntry entry;
        const char* captionEnd;
    };
    const Case cases[] = {
        {0.4f, ZoomEntry::Zoom40, "  [Zoom 40%]"},
        {0.76f, ZoomEntry::Zoom75, "  [Zoom 75%]"},
        {0.5f, ZoomEntry::Zoom50, "  [Zoom 50%]"},
        {0.3f, ZoomEntry::None, "X 800  "},
    };
    for (const Case& c : cases) {
        const fs::path file = savedProject("Zoomed", c.zoom);
        ASSERT_TRUE(m_session.OpenCollageFile(file.string())) << c.zoom;
        EXPECT_EQ(m_window.zoom, c.entry) << c.zoom;
        EXPECT_TRUE(m_window.caption.ends_with(c.captionEnd)) << m_window.caption;
        EXPECT_EQ(m_collage.Zoom, c.zoom);
    }
}

TEST_F(Session, OpeningReadsTheFileAndReloadsFromTheProjectFolder)
{
    const fs::path file = savedProject("Album");
    m_collage.CollageModified = false;
    m_window.openPaths = {file.string()};
    EXPECT_TRUE(m_session.OpenCommand());
    EXPECT_EQ(m_window.openDialogs.at(0).folder, collages().string());
    EXPECT_EQ(m_window.statuses.at(0), texts::kStatusOpening);
    EXPECT_EQ(m_window.desktopSaves, 1);
    EXPECT_EQ(textOf(m_collage.CollageName), "Album");
    ASSERT_EQ(m_reloader.loads.size(), 1u);
    EXPECT_EQ(m_reloader.loads[0].file, (projectFolder("Album") / "a.jpg").string());
    EXPECT_EQ(m_window.menuEntries.at(0), (std::pair<int, std::string>{0, "Photo: a.jpg"}));
    EXPECT_EQ(m_session.collagePath(), file.string());
    EXPECT_EQ(m_session.dataFolder(), projectFolder("Album").string());
    EXPECT_TRUE(m_window.objectsMenu);
    EXPECT_FALSE(m_collage.CollageModified);
    EXPECT_TRUE(m_window.errors.empty());
}

TEST_F(Session, ARefusedOpenLeavesTheCollageAsItWas)
{
    startCollage("Current");
    const fs::path file = savedProject("Lost");
    fs::remove_all(projectFolder("Lost"));
    EXPECT_FALSE(m_session.OpenCollageFile(file.string()));
    EXPECT_EQ(m_window.errors, (std::vector<std::string>{texts::kProjectFolderMissing, texts::kOpenRefused}));
    EXPECT_EQ(textOf(m_collage.CollageName), "Current");
    EXPECT_EQ(m_collage.NumObjects, 1);
    EXPECT_TRUE(m_window.questions.empty());
}

TEST_F(Session, CancellingTheSaveQuestionWhileOpeningKeepsTheCollage)
{
    startCollage("Current");
    const fs::path file = savedProject("Other");
    m_window.openPaths = {file.string()};
    m_window.replies = {Reply::Cancel};
    EXPECT_FALSE(m_session.OpenCommand());
    EXPECT_EQ(textOf(m_collage.CollageName), "Current");
    EXPECT_EQ(m_collage.NumObjects, 1);
    EXPECT_TRUE(m_collage.CollageModified);

    // Cancelling the open dialog keeps the changes too.
    EXPECT_FALSE(m_session.OpenCommand());
    EXPECT_TRUE(m_collage.CollageModified);
}

TEST_F(Session, AFileReadWithoutTheCheckMeetsTheReadersOwnLimits)
{
    // A file that cannot be written is opened without the check.
    const fs::path file = collages() / "Damaged.CLG";
    writeBytes(file, std::vector<std::uint8_t>(600, 0xFF));
    m_session.NewCollage(file.string());
    EXPECT_EQ(m_window.errors, std::vector<std::string>{texts::kHeaderCorrupt});
    EXPECT_EQ(m_collage.NumSlots, 0);
    EXPECT_EQ(m_collage.CanvasWidth, 1600);
    EXPECT_TRUE(objectTableInvariantsHold(m_collage));
}

TEST_F(Session, NewCollageSetsUpAnEmptyDocumentAndTheWorkspace)
{
    touch(dataFolder() / "temp" / "old.jpg");
    fs::create_directories(dataFolder() / "temp" / "Textures");
    m_window.newCollageDialog = [](NewCollageForm& form) {
        form.name = "Garden";
        form.orientation = kPortrait;
        updateScreen(form);
        return !newCollageProblem(form);
    };
    m_collage.SelRect = {5, 6, 7, 8};
    m_collage.FillType = 2;
    EXPECT_TRUE(m_session.NewCollage());
    EXPECT_EQ(m_collage.CanvasWidth, 600);
    EXPECT_EQ(m_collage.CanvasHeight, 900);
    EXPECT_EQ(m_collage.ZoomedWidth, 600);
    EXPECT_EQ(m_collage.Orientation, kPortrait);
    EXPECT_EQ(m_collage.CollageSizeIndex, 1);
    EXPECT_EQ(textOf(m_collage.CollageName), "Garden");
    EXPECT_EQ(m_session.collagePath(), "Garden");
    EXPECT_EQ(m_session.dataFolder(), projectFolder("Garden").string());
    EXPECT_EQ(m_session.openDialog().fileName, "Garden");
    EXPECT_EQ(m_window.caption, "Quiltara 3.00  - [Garden] - 600 X 900  [Zoom 100%]");
    EXPECT_EQ(m_window.statuses.back(), texts::kStatusNewCollage);
    EXPECT_EQ(m_window.keys, (std::vector<NewCollageKeys>{{1, 0, "600", "900", 1}}));
    EXPECT_EQ(m_session.newCollageChoices(), (NewCollageChoices{1, kPortrait, false, 1, 600, 900}));
    EXPECT_FALSE(fs::exists(dataFolder() / "temp" / "old.jpg"));
    EXPECT_TRUE(fs::exists(dataFolder() / "temp" / "Textures"));
    EXPECT_FALSE(fs::exists(projectFolder("Garden")));
    EXPECT_EQ(m_collage.SelRect, (Rect32{0, -1, 0, 8}));
    EXPECT_EQ(m_collage.FillType, 0);
    EXPECT_TRUE(m_collage.CollageModified);
    EXPECT_EQ(m_window.zoom, ZoomEntry::Zoom100);
}

TEST_F(Session, ACancelledNewCollageLeavesTheOldOne)
{
    startCollage("Old");
    m_collage.CollageModified = false;
    m_collage.Zoom = 0.5f;
    m_window.newCollageDialog = [](NewCollageForm&) { return false; };
    EXPECT_FALSE(m_session.NewCollage());
    EXPECT_EQ(textOf(m_collage.CollageName), "Old");
    EXPECT_EQ(m_collage.NumObjects, 1);
    EXPECT_EQ(m_collage.Zoom, 0.5f);
}

TEST_F(Session, ACollageTheCanvasCanNotShowIsReported)
{
    m_window.throwOnDisplay = true;
    m_window.newCollageDialog = [](NewCollageForm& form) {
        form.name = "Huge";
        return true;
    };
    EXPECT_FALSE(m_session.NewCollage());
    EXPECT_EQ(m_window.errors, std::vector<std::string>{texts::kDisplayFailure});
    EXPECT_EQ(m_session.collagePath(), "");
    EXPECT_FALSE(m_collage.CollageModified);
}

TEST_F(Session, CanvasSizeChangesOnlyTheCanvas)
{
    startCollage("Size");
    m_collage.Zoom = 0.76f;
    m_collage.CollageModified = false;
    m_window.canvasSizeDialog = [](CanvasSizeForm&) { return false; };
    EXPECT_FALSE(m_session.CanvasSizeCommand());
    EXPECT_TRUE(m_collage.CollageModified); // also when cancelled
    EXPECT_EQ(m_collage.CanvasWidth, 900);

    m_window.canvasSizeDialog = [](CanvasSizeForm& form) {
        EXPECT_EQ(form.widthText, "900");
        form.widthText = "1000";
        form.heightText = "500";
        return !canvasSizeProblem(form);
    };
    const Rect32 before = m_collage.object(0).Bounds;
    EXPECT_TRUE(m_session.CanvasSizeCommand());
    EXPECT_EQ(m_collage.CanvasWidth, 1000);
    EXPECT_EQ(m_collage.CanvasHeight, 500);
    EXPECT_EQ(m_collage.ZoomedWidth, 760);
    EXPECT_EQ(m_collage.ZoomedHeight, 380);
    EXPECT_EQ(m_collage.Wallpaper.width(), 1000);
    EXPECT_EQ(m_collage.Wallpaper.height(), 500);
    EXPECT_EQ(m_collage.object(0).Bounds, before);
    EXPECT_EQ(m_window.caption, "Quiltara 3.00  - [Size] - 1000 X 500  [Zoom 75%]");
    EXPECT_EQ(m_window.canvasResizes, 1);
}

} // namespace
} // namespace quiltara::document
