// The object pop-up and the Photo and Text menus follow the selected object.
#include "app/command_gate.h"
#include "app/core/folders.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "document/text_field.h"

#include <QAction>
#include <QMenu>

namespace quiltara::app {

void TfrmMain::UpdatePhotoMenu()
{
    const document::Collage& collage = m_collage;
    if (collage.NumObjects <= 0 || StampMode || !collage.isLive(collage.SelIndex))
        return;
    const document::ScreenObject& o = collage.object(collage.SelIndex);
    MainCommands& c = m_commands;

    // 1. The mask picture dialog's start folder and file name.
    if (MaskDialogFolder.empty())
        MaskDialogFolder = joinPath(ProgramFolder(), "MASKS");
    const std::string maskFile = document::textOf(o.MaskFileName);
    if (FileExistsQuiet(maskFile))
        MaskDialogFileName = fileNamePart(maskFile);

    // 2. Stamp items and the layout manager.
    const bool hasStamps = !collage.Stamps.empty();
    for (QAction* stampItem : {c.mainmenuUndoRubberStamp, c.mainmenuClearAllRubberStamps,
                               c.menuUndoRubberStamp, c.menuClearAllRubberStamps})
        setCommandEnabled(stampItem, hasStamps);
    setCommandEnabled(c.menuLayoutManager, collage.NumObjects > 0);
    setCommandEnabled(c.collageMenuLayoutManager, collage.NumObjects > 0);

    // 3. The object pop-up.
    const bool text = o.IsText;
    const bool photo = o.IsPhoto;
    const bool transparent = o.Transparent;
    const bool maskable = !text && !transparent;
    const auto show = [](QAction* item, bool visible, bool checked) {
        item->setVisible(visible);
        item->setChecked(checked);
    };
    show(c.photoMenuCrop, !text, o.Cropped);
    show(c.photoMenuRotate, !text, o.Rotated);
    c.photoMenuReplacePhoto->setVisible(photo);
    c.photoMenuClone->menuAction()->setVisible(photo);
    c.photoMenuEnlarge->setVisible(!text);
    show(c.photoMenuMask->menuAction(), maskable, o.Masked || o.CustomMasked);
    show(c.photoMenuMaskFromDisk, maskable, o.Masked && !o.CustomMasked);
    show(c.photoMenuCustomMask, maskable, o.CustomMasked);
    c.photoMenuClearMask->setVisible(maskable);
    setCommandEnabled(c.photoMenuClearMask, o.Masked);
    show(c.photoMenuDropShadow, !text, o.Shadow);
    show(c.photoMenuHalo, !text, o.Halo);
    setCommandEnabled(c.photoMenuHalo, !text);
    show(c.photoMenuPictureFrame->menuAction(), !text, o.Border || o.OrnateFrame);
    c.photoMenuOrnateFrame->setChecked(o.OrnateFrame);
    c.photoMenuSolidFrame->setChecked(o.Border);
    show(c.photoMenuTransparency, !text, o.Transparency > 1);
    show(c.photoMenuColorEnhancement->menuAction(), maskable,
         o.Sepia || o.Grayscale || o.BrightnessSet || o.Negative);
    c.photoMenuColorize->setChecked(o.Sepia);
    c.photoMenuBrightness->setChecked(o.BrightnessSet);
    c.photoMenuGrayscale->setChecked(o.Grayscale);
    c.photoMenuNegative->setChecked(o.Negative);
    c.menuPhotoEditText->setVisible(text);
    setCommandEnabled(c.menuPhotoEditText, text);
    c.menuDuplicateText->setVisible(text);
    c.menuCopyTextSettings->setVisible(text);
    c.menuPasteTextSettings->setVisible(text);
    c.photoMenuProperties->setVisible(!text);
    c.photoMenuRemove->setText(QString::fromUtf8(text ? texts::kRemoveText : texts::kRemovePhoto));

    // 4. The main menus.
    c.mainMenuPhoto->setEnabled(!text);
    c.mainMenuText->setEnabled(text);
    setCommandEnabled(c.menuCopyTextAttributes, text);
    setCommandEnabled(c.menuPasteTextAttributes, text && TextAttributesCopied);

    // 5.
    EnablePhotoCommands(!text);
}

void TfrmMain::EnablePhotoCommands(bool enabled)
{
    MainCommands& c = m_commands;
    for (QAction* button :
         {c.ToolButtonShadow, c.ToolButtonRotate, c.ToolButtonDelete, c.ToolButtonCrop, c.ToolButtonGrayscale,
          c.ToolButtonColorize, c.ToolButtonBrightness, c.ToolButtonMask, c.ToolButtonFrame})
        setCommandEnabled(button, enabled);
    // A transparent photo takes none of these.
    const bool transparent =
        m_collage.isLive(m_collage.SelIndex) && m_collage.object(m_collage.SelIndex).Transparent;
    for (QAction* item : {c.menuSelectMask, c.menuClearMask, c.menuCustomMask, c.menuColorize, c.menuBorder,
                          c.menuNegative, c.menuBrightnessContrast})
        setCommandEnabled(item, enabled && !transparent);
}

} // namespace quiltara::app
