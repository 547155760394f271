#include "document/project_reader.h"
#include "document/reload_images.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "project_fixture.h"

namespace quiltara::document {
namespace {

using namespace testing;

class Reload : public ProjectTest {
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        setUpHeader(m_collage, "Album");
        fs::create_directories(projectFolder("Album"));
    }

    void reload(const ReloadOptions& options = {})
    {
        ReloadImages(m_collage, m_window, m_reloader, "/somewhere/Album.CLG", options);
    }

    Collage m_collage;
    ScriptedWindow m_window;
    FakeReloader m_reloader;
};

TEST_F(Reload, ThePhotoComesFromTheProjectFolderFirstThenItsOwnPath)
{
    touch(projectFolder("Album") / "both.jpg");
    touch(elsewhere() / "both.jpg");
    touch(elsewhere() / "own.jpg");
    addLivePhoto(m_collage, (elsewhere() / "both.jpg").string());
    addLivePhoto(m_collage, (elsewhere() / "own.jpg").string());
    addLivePhoto(m_collage, "D:\\Fotos\\Urlaub:both.jpg"); // a path from another system
    EXPECT_EQ(photoFileToReload(m_collage, m_collage.object(0)),
              (projectFolder("Album") / "both.jpg").string());
    EXPECT_EQ(photoFileToReload(m_collage, m_collage.object(1)), (elsewhere() / "own.jpg").string());
    EXPECT_EQ(photoFileToReload(m_collage, m_collage.object(2)),
              (projectFolder("Album") / "both.jpg").string());

    reload();
    ASSERT_EQ(m_reloader.loads.size(), 3u);
    EXPECT_EQ(m_reloader.loads[1].file, (elsewhere() / "own.jpg").string());
    EXPECT_EQ(m_reloader.loads[0].width, 100);
    EXPECT_EQ(m_reloader.loads[0].height, 80);
    EXPECT_TRUE(m_window.errors.empty());
    EXPECT_EQ(m_window.caption, "Quiltara 3.00  - [Album.CLG] - 1000 X 800  [Zoom 100%]");
}

TEST_F(Reload, AMissingPhotoIsReportedAndLeavesAClosedStackingOrder)
{
    touch(projectFolder("Album") / "here.jpg");
    addLivePhoto(m_collage, "/x/here.jpg"); // slot 0, ZOrder 2 in the end
    addLivePhoto(m_collage, "/x/gone.jpg"); // slot 1, ZOrder 1
    addLivePhoto(m_collage, "/x/here.jpg"); // slot 2, ZOrder 0
    m_collage.CollageModified = true;
    reload();
    EXPECT_EQ(m_window.errors,
              std::vector<std::string>{"File [" + (projectFolder("Album") / "gone.jpg").string() +
                                       "] is missing "});
    EXPECT_FALSE(m_collage.isLive(1));
    EXPECT_EQ(m_collage.object(1).Missing, 1);
    EXPECT_EQ(m_collage.NumObjects, 2);
    EXPECT_EQ(m_collage.object(0).ZOrder, 1);
    EXPECT_EQ(m_collage.object(2).ZOrder, 0);
    EXPECT_TRUE(objectTableInvariantsHold(m_collage));
    EXPECT_FALSE(m_collage.CollageModified);
    EXPECT_EQ(m_collage.SizingHandle, -1);
    EXPECT_EQ(m_collage.object(0).NeedsRefresh, 1);
    EXPECT_EQ(m_window.reloadsFinished, 1);
}

TEST_F(Reload, ARotatedPhotoIsResampledUnrotatedThenRotated)
{
    touch(projectFolder("Album") / "r.jpg");
    const int slot = addLivePhoto(m_collage, "/x/r.jpg");
    ScreenObject& o = m_collage.object(slot);
    o.RotationAngle = 30;
    o.Rotated = 1;
    o.UnrotatedWidth = 80;
    o.UnrotatedHeight = 50;
    reload();
    ASSERT_EQ(m_reloader.loads.size(), 1u);
    EXPECT_EQ(m_reloader.loads[0].width, 80);
    EXPECT_EQ(m_reloader.loads[0].height, 50);
    EXPECT_EQ(m_reloader.rotations, std::vector<int>{slot});
    EXPECT_EQ(m_window.statuses, std::vector<std::string>{texts::kStatusRotating});

    // Without a usable unrotated size the photo takes its box.
    o.UnrotatedWidth = 0;
    EXPECT_EQ(reloadSize(o), (PixelSize{100, 80}));
}

TEST_F(Reload, TextObjectsGetAnEmptyImageOfTheirSize)
{
    const int slot = addLiveText(m_collage, "Greetings from the sea");
    reload();
    const ScreenObject& o = m_collage.object(slot);
    ASSERT_TRUE(o.ResizedPhotoStream);
    EXPECT_EQ(o.ResizedPhotoStream->width(), 120);
    EXPECT_EQ(o.ResizedPhotoStream->height(), 40);
    EXPECT_EQ(o.ResizedWidth, 120);
    EXPECT_EQ(o.BlurDirty, 1);
    EXPECT_FALSE(o.MaskStream);
    EXPECT_TRUE(m_reloader.loads.empty());
    EXPECT_EQ(m_window.menuEntries.at(0).second, "Text: Greetings from the ..");
}

TEST_F(Reload, ObjectsBeyondTheMemoryBudgetAreLeftOut)
{
    addLiveText(m_collage, "small");
    addLiveText(m_collage, "large");
    m_collage.object(1).Width = 4000;
    m_collage.object(1).Height = 3000;
    reload({.memoryBudget = 10'000'000});
    EXPECT_TRUE(m_collage.isLive(0));
    EXPECT_FALSE(m_collage.isLive(1));
    ASSERT_EQ(m_window.errors.size(), 1u);
    EXPECT_EQ(m_window.errors[0], std::string(texts::kNoMemoryStart) + "Text: large.." + texts::kNoMemoryEnd);
    EXPECT_EQ(m_collage.NumObjects, 1);
}

TEST_F(Reload, AFailureIsReportedAndTheLastStepStillRuns)
{
    touch(projectFolder("Album") / "a.jpg");
    addLivePhoto(m_collage, "/x/a.jpg");
    m_collage.CollageModified = true;
    m_reloader.throwOnLoad = true;
    reload();
    EXPECT_EQ(m_window.errors, std::vector<std::string>{texts::kReloadError});
    EXPECT_FALSE(m_collage.CollageModified);
    EXPECT_EQ(m_window.reloadsFinished, 1);
}

TEST_F(Reload, TheBackgroundAndTheSelectionFollowTheHeader)
{
    touch(projectFolder("Album") / "a.jpg");
    addLivePhoto(m_collage, "/x/a.jpg");
    m_collage.BgColor = 0x00336699;
    m_collage.BgEndColor = 0x00FF0000;
    m_collage.FillType = 2;
    m_collage.SelIndex = 7;
    reload();
    ASSERT_EQ(m_window.backgrounds.size(), 1u);
    const RestoredBackground& b = m_window.backgrounds[0];
    EXPECT_FALSE(b.texture);
    EXPECT_EQ(b.fillType, 2);
    EXPECT_EQ(b.colourHint, "Background Color  (Hex: 996633)");
    EXPECT_EQ(b.endColourHint, "Gradient End Color  (Hex: 0000FF)");
    EXPECT_EQ(m_collage.SelIndex, 0);

    storeTerminatedText(m_collage.BgTextureFile, "/t/wood.bmp");
    m_collage.BgStretch = 1;
    EXPECT_TRUE(restoredBackgroundOf(m_collage).texture);
    EXPECT_TRUE(restoredBackgroundOf(m_collage).stretched);
    m_collage.BgCenter = 1;
    EXPECT_TRUE(restoredBackgroundOf(m_collage).centred);
    EXPECT_FALSE(restoredBackgroundOf(m_collage).stretched);
}

} // namespace
} // namespace quiltara::document
