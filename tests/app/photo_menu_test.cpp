#include "app/command_gate.h"
#include "document/text_field.h"
#include "window_test_support.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace quiltara::app::testing {
namespace {

// One selected object with some flags set.
struct ObjectCase {
    const char* name;
    bool text = false;
    bool transparent = false;
    bool masked = false;
    bool customMasked = false;
    int transparency = 0;
};

class PhotoMenu : public WindowTest {
protected:
    // A window whose commands are all wired, so that enabled states show.
    TfrmMain& startWired()
    {
        TfrmMain& window = start();
        for (QAction* action : window.findChildren<QAction*>())
            if (!action->menu() && !action->objectName().isEmpty())
                markCommandWired(action);
        return window;
    }

    void select(TfrmMain& window, const ObjectCase& c)
    {
        document::Collage& collage = window.collage();
        const int slot = document::AddNewSelection(collage, 0, 0, 20, 20);
        document::ScreenObject& o = collage.object(slot);
        o.InUse = 1;
        o.IsText = c.text;
        o.IsPhoto = !c.text;
        o.Transparent = c.transparent;
        o.Masked = c.masked;
        o.CustomMasked = c.customMasked;
        o.Transparency = c.transparency;
        window.UpdatePhotoMenu();
    }
};

TEST_F(PhotoMenu, TextObjectShowsTheTextItemsAndHidesThePhotoItems)
{
    TfrmMain& window = startWired();
    select(window, {"text", true});
    const MainCommands& c = window.commands();
    for (QAction* hidden :
         {c.photoMenuCrop, c.photoMenuRotate, c.photoMenuReplacePhoto, c.photoMenuClone->menuAction(),
          c.photoMenuEnlarge, c.photoMenuMask->menuAction(), c.photoMenuDropShadow, c.photoMenuHalo,
          c.photoMenuPictureFrame->menuAction(), c.photoMenuTransparency,
          c.photoMenuColorEnhancement->menuAction(), c.photoMenuProperties})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QAction* shown :
         {c.menuPhotoEditText, c.menuDuplicateText, c.menuCopyTextSettings, c.menuPasteTextSettings})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_TRUE(c.menuPhotoEditText->isEnabled());
    EXPECT_EQ(c.photoMenuRemove->text(), "Remove Text");
    EXPECT_FALSE(c.mainMenuPhoto->isEnabled());
    EXPECT_TRUE(c.mainMenuText->isEnabled());
    EXPECT_TRUE(c.menuCopyTextAttributes->isEnabled());
    EXPECT_FALSE(c.menuPasteTextAttributes->isEnabled()); // nothing copied yet
    for (QAction* button : c.ToolBarOps->actions())
        EXPECT_FALSE(button->isEnabled());

    window.TextAttributesCopied = true;
    window.UpdatePhotoMenu();
    EXPECT_TRUE(c.menuPasteTextAttributes->isEnabled());
}

TEST_F(PhotoMenu, PlainPhotoShowsThePhotoItemsAndEnablesThePhotoCommands)
{
    TfrmMain& window = startWired();
    select(window, {"photo"});
    const MainCommands& c = window.commands();
    for (QAction* shown : {c.photoMenuCrop, c.photoMenuRotate, c.photoMenuReplacePhoto,
                           c.photoMenuClone->menuAction(), c.photoMenuMask->menuAction(), c.photoMenuHalo,
                           c.photoMenuColorEnhancement->menuAction(), c.photoMenuProperties})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_FALSE(c.menuPhotoEditText->isVisible());
    EXPECT_EQ(c.photoMenuRemove->text(), "Remove Photo");
    EXPECT_TRUE(c.mainMenuPhoto->isEnabled());
    EXPECT_FALSE(c.mainMenuText->isEnabled());
    EXPECT_FALSE(c.photoMenuClearMask->isEnabled()); // not masked
    for (QAction* button : c.ToolBarOps->actions())
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(c.menuSelectMask->isEnabled());
    EXPECT_TRUE(c.menuBorder->isEnabled());
    // No stamps: the four stamp items are off; one object: the layout manager is on.
    for (QAction* stamp : {c.mainmenuUndoRubberStamp, c.mainmenuClearAllRubberStamps, c.menuUndoRubberStamp,
                           c.menuClearAllRubberStamps})
        EXPECT_FALSE(stamp->isEnabled());
    EXPECT_TRUE(c.menuLayoutManager->isEnabled());
    EXPECT_TRUE(c.collageMenuLayoutManager->isEnabled());

    window.collage().Stamps.push_back({});
    window.UpdatePhotoMenu();
    EXPECT_TRUE(c.mainmenuUndoRubberStamp->isEnabled());
    EXPECT_TRUE(c.menuClearAllRubberStamps->isEnabled());
}

TEST_F(PhotoMenu, TransparentPhotoHidesMaskAndColourItems)
{
    TfrmMain& window = startWired();
    select(window, {"transparent", false, true});
    const MainCommands& c = window.commands();
    for (QAction* hidden : {c.photoMenuMask->menuAction(), c.photoMenuMaskFromDisk, c.photoMenuCustomMask,
                            c.photoMenuClearMask, c.photoMenuColorEnhancement->menuAction()})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QAction* shown : {c.photoMenuCrop, c.photoMenuRotate, c.photoMenuDropShadow, c.photoMenuHalo,
                           c.photoMenuPictureFrame->menuAction(), c.photoMenuTransparency})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    // The photo buttons work, the mask and colour items of the Photo menu do not.
    EXPECT_TRUE(c.ToolButtonShadow->isEnabled());
    for (QAction* off : {c.menuSelectMask, c.menuClearMask, c.menuCustomMask, c.menuColorize, c.menuBorder,
                         c.menuNegative, c.menuBrightnessContrast})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
}

TEST_F(PhotoMenu, CustomMaskChecksMaskAndCustomMaskOnly)
{
    TfrmMain& window = startWired();
    select(window, {"custom mask", false, false, true, true});
    const MainCommands& c = window.commands();
    EXPECT_TRUE(c.photoMenuMask->menuAction()->isChecked());
    EXPECT_TRUE(c.photoMenuCustomMask->isChecked());
    EXPECT_FALSE(c.photoMenuMaskFromDisk->isChecked());
    EXPECT_TRUE(c.photoMenuClearMask->isEnabled());
}

TEST_F(PhotoMenu, MaskFromDiskIsCheckedForAPlainMask)
{
    TfrmMain& window = startWired();
    select(window, {"mask", false, false, true, false});
    EXPECT_TRUE(window.commands().photoMenuMaskFromDisk->isChecked());
    EXPECT_FALSE(window.commands().photoMenuCustomMask->isChecked());
}

TEST_F(PhotoMenu, TransparencyIsCheckedFromTwoOn)
{
    for (const auto& [value, checked] : {std::pair{0, false}, std::pair{1, false}, std::pair{2, true}}) {
        TfrmMain& window = startWired();
        select(window, {"transparency", false, false, false, false, value});
        EXPECT_EQ(window.commands().photoMenuTransparency->isChecked(), checked) << value;
    }
}

TEST_F(PhotoMenu, DoesNothingInStampModeOrWithoutObjects)
{
    TfrmMain& window = startWired();
    window.UpdatePhotoMenu(); // no objects: nothing to follow
    EXPECT_FALSE(window.commands().mainMenuPhoto->isEnabled());
    window.StampMode = true;
    select(window, {"photo in stamp mode"});
    EXPECT_FALSE(window.commands().mainMenuPhoto->isEnabled());
}

TEST_F(PhotoMenu, PresetsTheMaskDialogFromTheObjectsMask)
{
    TfrmMain& window = startWired();
    const fs::path mask = m_folder / "heart.jpg";
    writeFile(mask, "x");
    document::Collage& collage = window.collage();
    const int slot = document::AddNewSelection(collage, 0, 0, 20, 20);
    collage.object(slot).InUse = 1;
    collage.object(slot).IsPhoto = 1;
    document::storeTextCut(collage.object(slot).MaskFileName, mask.string());
    window.UpdatePhotoMenu();
    EXPECT_EQ(window.MaskDialogFolder, (m_folder / "MASKS").string());
    EXPECT_EQ(window.MaskDialogFileName, "heart.jpg");
}

} // namespace
} // namespace quiltara::app::testing
