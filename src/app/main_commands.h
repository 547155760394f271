#pragma once

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace quiltara::app {

// Every menu, menu item, tool button and pop-up menu of the main window,
// under the names the program has always used (component kind + role). A
// subsystem wires its command with wireCommand (command_gate.h):
//
//     wireCommand(window.commands().menuSaveCollage, &window, [&] { ... });
//
// Items whose command is not wired stay disabled whatever the window wants,
// so no enabled item ever does nothing.
struct MainCommands {
    QMenuBar* MainMenu1 = nullptr;

    // File ("&File")
    QMenu* mainMenuFile = nullptr;
    QAction* menuNewCollage = nullptr;
    QAction* menuOpenCollage = nullptr;
    QAction* menuSaveCollage = nullptr;
    QAction* menuSaveCollageAs = nullptr;
    QAction* menuSaveGraphic = nullptr;
    QAction* menuEmailCollage = nullptr;
    QAction* menuPrinterSetup = nullptr;
    QAction* menuPrintCollage = nullptr;
    QAction* menuSettings = nullptr;
    QAction* menuImport = nullptr;
    QAction* menuDeleteOrphanedFiles = nullptr; // "Clean Temp Files .."
    QAction* Exit1 = nullptr;

    // Edit ("&Edit")
    QMenu* mainMenuEdit = nullptr;
    QAction* CopyCollageToClipboard = nullptr;
    QAction* menuPastePhoto = nullptr;
    QAction* menuPasteTransparentPhoto = nullptr;
    QAction* menuPasteClipboardGraphicAsTexture = nullptr;
    QAction* mainmenuUndoRubberStamp = nullptr;
    QAction* mainmenuClearAllRubberStamps = nullptr;

    // Collage ("&Collage")
    QMenu* mainMenuCollage = nullptr;
    QAction* menuCanvasSize = nullptr;
    QAction* menuLayoutManager = nullptr;
    QAction* menuAutoCollage = nullptr;
    QAction* DisplayFullScreen1 = nullptr;
    QAction* menuFullScreenResample = nullptr;
    QAction* menuCreateWallpaper = nullptr;
    QMenu* menuAddPhoto = nullptr; // "&Add  Photo    "
    QAction* menuAddPhotoFromDisk = nullptr;
    QAction* menuAddPhotoFromClipboard = nullptr;
    QAction* menuAddTransparentPhotoFromDisk = nullptr;
    QAction* menuAddTransparentPhotoFromClipboard = nullptr;
    QAction* menuAddText = nullptr;
    QAction* menuStamps = nullptr;
    QAction* menuNextObject = nullptr;
    QAction* menuPreviousObject = nullptr;
    QAction* menuClearSelectionBox = nullptr;
    QAction* menuShowSelectionBox = nullptr;
    QAction* menuRemoveAllObjects = nullptr;
    QAction* menuBatchOperations = nullptr;
    QAction* menuRefresh = nullptr;

    // Photo ("&Photo")
    QMenu* mainMenuPhoto = nullptr;
    QAction* menuSelectMask = nullptr;
    QAction* menuCustomMask = nullptr;
    QAction* menuClearMask = nullptr;
    QAction* menuCrop = nullptr;
    QAction* menuReplacePhoto = nullptr;
    QAction* menuDropShadow = nullptr;
    QAction* menuBorder = nullptr;
    QAction* menuPictureFrame = nullptr;
    QAction* menuRotation = nullptr;
    QAction* menuRemovePhoto = nullptr;
    QAction* menuColorize = nullptr;
    QAction* menuBrightnessContrast = nullptr;
    QAction* menuGrayscale = nullptr;
    QAction* menuNegative = nullptr;

    // Text ("&Text")
    QMenu* mainMenuText = nullptr;
    QAction* menuEditText = nullptr;
    QAction* DuplicateText1 = nullptr;
    QAction* menuCopyTextAttributes = nullptr;
    QAction* menuPasteTextAttributes = nullptr;
    QAction* menuCopyFontToAllText = nullptr;
    QAction* RemoveText1 = nullptr;

    // View ("&View")
    QMenu* mainMenuView = nullptr;
    QAction* menuShowAllButtons = nullptr;
    QAction* menuShowButtonCaptions = nullptr;
    QAction* menuShowToolPanel = nullptr;
    QAction* menuShowGrid = nullptr;

    // Objects ("&Objects"): one checkable entry per object, its slot as data.
    QMenu* mainMenuObjects = nullptr;

    // Zoom ("&Zoom"), one exclusive group
    QMenu* mainMenuZoom = nullptr;
    QActionGroup* zoomGroup = nullptr;
    QAction* menuZoom100 = nullptr;
    QAction* menuZoom75 = nullptr;
    QAction* menuZoom50 = nullptr;
    QAction* menuZoom40 = nullptr;
    QAction* menuZoom25 = nullptr;

    // Help ("&Help")
    QMenu* mainMenuHelp = nullptr;
    QAction* WhatsNew1 = nullptr;
    QAction* menuAbout = nullptr;
    QAction* menuHelpSystem = nullptr;
    QAction* menuVisitWebsite = nullptr;
    QAction* mainmenuDownload = nullptr;

    // "Main Toolbar"
    QToolBar* ToolBarMain = nullptr;
    QAction* ToolButtonNew = nullptr;
    QAction* ToolButtonOpen = nullptr;
    QAction* ToolButtonSave = nullptr;
    QAction* ToolButtonPrint = nullptr;
    QAction* ToolButtonPreview = nullptr;
    QAction* ToolButtonLayout = nullptr;
    QAction* ToolButtonPhoto = nullptr; // its arrow opens popupAddPhoto
    QAction* ToolButtonText = nullptr;
    QAction* ToolButtonStamp = nullptr;
    QAction* ToolButtonAuto = nullptr;

    // "Photo Toolbar"
    QToolBar* ToolBarOps = nullptr;
    QAction* ToolButtonShadow = nullptr;
    QAction* ToolButtonGrayscale = nullptr;
    QAction* ToolButtonMask = nullptr;
    QAction* ToolButtonFrame = nullptr;
    QAction* ToolButtonColorize = nullptr;
    QAction* ToolButtonBrightness = nullptr;
    QAction* ToolButtonRotate = nullptr;
    QAction* ToolButtonCrop = nullptr;
    QAction* ToolButtonDelete = nullptr;

    // The tool panel's buttons; each shows its action.
    QToolButton* sbToolbar = nullptr;
    QToolButton* sbPhoto = nullptr;
    QToolButton* sbText = nullptr;
    QToolButton* sbPalette = nullptr;
    QToolButton* sbAutoCollage = nullptr;
    QToolButton* sbFullScreen = nullptr;
    QAction* sbToolbarAction = nullptr;
    QAction* sbPhotoAction = nullptr;
    QAction* sbTextAction = nullptr;
    QAction* sbPaletteAction = nullptr;
    QAction* sbAutoCollageAction = nullptr;
    QAction* sbFullScreenAction = nullptr;

    // Collage pop-up, over empty canvas
    QMenu* menuCollage = nullptr;
    QMenu* collageMenuAddObject = nullptr;
    QAction* collageMenuText = nullptr;
    QAction* collageMenuPhotoFromDisk = nullptr;
    QAction* collageMenuPhotoFromClipboard = nullptr;
    QAction* collageMenuTransparentPhotoFromDisk = nullptr;
    QAction* collageMenuTransparentPhotoFromClipboard = nullptr;
    QAction* collageMenuRemoveAllObjects = nullptr;
    QAction* menuAddBackgroundTexture = nullptr;
    QAction* collageMenuLayoutManager = nullptr;
    QAction* collageMenuPreviewFullScreen = nullptr;
    QAction* collageMenuCreateWallpaper = nullptr;
    QAction* menuUndoRubberStamp = nullptr;
    QAction* menuClearAllRubberStamps = nullptr;
    QAction* collageMenuRefresh = nullptr;

    // Object pop-up, over an object
    QMenu* menuPhoto = nullptr;
    QAction* photoMenuCrop = nullptr;
    QAction* photoMenuRotate = nullptr;
    QAction* photoMenuReplacePhoto = nullptr;
    QMenu* photoMenuClone = nullptr;
    QAction* PerformClone1 = nullptr;
    QAction* photoMenuEnlarge = nullptr;
    QMenu* photoMenuMask = nullptr;
    QAction* photoMenuMaskFromDisk = nullptr;
    QAction* photoMenuCustomMask = nullptr;
    QAction* photoMenuClearMask = nullptr;
    QAction* photoMenuHelpMasks = nullptr;
    QAction* photoMenuDropShadow = nullptr;
    QAction* photoMenuHalo = nullptr;
    QMenu* photoMenuPictureFrame = nullptr;
    QAction* photoMenuOrnateFrame = nullptr;
    QAction* photoMenuSolidFrame = nullptr;
    QAction* photoMenuHelpFrames = nullptr;
    QAction* photoMenuTransparency = nullptr;
    QMenu* photoMenuColorEnhancement = nullptr;
    QAction* photoMenuColorize = nullptr;
    QAction* photoMenuBrightness = nullptr;
    QAction* photoMenuGrayscale = nullptr;
    QAction* photoMenuNegative = nullptr;
    QAction* menuPhotoEditText = nullptr;
    QAction* menuDuplicateText = nullptr;
    QAction* menuCopyTextSettings = nullptr;
    QAction* menuPasteTextSettings = nullptr;
    QAction* photoMenuRemove = nullptr;
    QAction* photoMenuSendToBack = nullptr;
    QAction* photoMenuBringToFront = nullptr;
    QAction* menuBestView = nullptr;
    QAction* photoMenuLock = nullptr;
    QAction* photoMenuProperties = nullptr;
    QAction* photoMenuRefresh = nullptr;

    // Lock pop-up, over a locked object
    QMenu* menuLock = nullptr;
    QAction* lockMenuUnlock = nullptr;

    // Add-photo pop-up, the "Photo" tool button's drop-down
    QMenu* popupAddPhoto = nullptr;
    QAction* popupPhotoFromDisk = nullptr;
    QAction* popupPhotoFromClipboard = nullptr;
    QAction* popupTransparentPhotoFromDisk = nullptr;
    QAction* popupTransparentPhotoFromClipboard = nullptr;
};

} // namespace quiltara::app
