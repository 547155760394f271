// The command map: every menu, item and short-cut of the main window in
// menu order, with the state the window is created in. Which command an
// item runs is wired by its subsystem (command_gate.h); the window's own
// commands are wired in wireOwnCommands().
#include "app/command_gate.h"
#include "app/main_window.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace quiltara::app {
namespace {

QAction* addItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key = {})
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

QMenu* addMenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name) + QStringLiteral("Item"));
    return menu;
}

QMenu* addMainMenu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addCheckItem(QMenu* menu, const char* name, const char* caption, bool checked)
{
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

void TfrmMain::buildMenus()
{
    MainCommands& c = m_commands;
    c.MainMenu1 = menuBar();
    c.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    buildFileMenu();
    buildEditMenu();
    buildCollageMenu();
    buildPhotoMenu();
    buildTextMenu();
    buildViewMenu();
    c.mainMenuObjects = addMainMenu(c.MainMenu1, "mainMenuObjects", "&Objects");
    buildZoomAndHelpMenus();
}

void TfrmMain::buildFileMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuFile = addMainMenu(c.MainMenu1, "mainMenuFile", "&File");
    c.menuNewCollage = addItem(m, "menuNewCollage", "&New");
    c.menuOpenCollage = addItem(m, "menuOpenCollage", "&Open Collage  ..");
    m->addSeparator();
    c.menuSaveCollage = addItem(m, "menuSaveCollage", "&Save Collage");
    c.menuSaveCollageAs = addItem(m, "menuSaveCollageAs", "Save Collage As ..");
    m->addSeparator();
    c.menuSaveGraphic = addItem(m, "menuSaveGraphic", "&Save As Graphic ..");
    c.menuEmailCollage = addItem(m, "menuEmailCollage", "Email Collage ..");
    m->addSeparator();
    c.menuPrinterSetup = addItem(m, "menuPrinterSetup", "P&rinter Setup ..");
    c.menuPrintCollage = addItem(m, "menuPrintCollage", "&Print Collage ..");
    m->addSeparator();
    c.menuSettings = addItem(m, "menuSettings", "Configuration Settin&gs ..");
    c.menuImport = addItem(m, "menuImport", "&Import 2.x Collages ..");
    c.menuDeleteOrphanedFiles = addItem(m, "menuDeleteOrphanedFiles", "Clean Temp Files ..");
    m->addSeparator();
    c.Exit1 = addItem(m, "Exit1", "&Exit");
}

void TfrmMain::buildEditMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuEdit = addMainMenu(c.MainMenu1, "mainMenuEdit", "&Edit");
    c.CopyCollageToClipboard = addItem(m, "CopyCollageToClipboard", "&Copy Collage To System Clipboard");
    m->addSeparator();
    c.menuPastePhoto = addItem(m, "menuPastePhoto", "Paste Photo From Clipboard");
    c.menuPasteTransparentPhoto =
        addItem(m, "menuPasteTransparentPhoto", "Paste Transparent Photo From Clipboard");
    c.menuPasteClipboardGraphicAsTexture =
        addItem(m, "menuPasteClipboardGraphicAsTexture", "Apply Background Texture From Clipboard");
    m->addSeparator();
    c.mainmenuUndoRubberStamp =
        addItem(m, "mainmenuUndoRubberStamp", "&Undo Last Rubber Stamp", QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.mainmenuClearAllRubberStamps = addItem(m, "mainmenuClearAllRubberStamps", "&Clear All Rubber Stamps");
}

void TfrmMain::buildCollageMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuCollage = addMainMenu(c.MainMenu1, "mainMenuCollage", "&Collage");
    c.menuCanvasSize = addItem(m, "menuCanvasSize", "Modify &Canvas Size ..");
    c.menuLayoutManager = addItem(m, "menuLayoutManager", "Layout Manager ..", QKeySequence(Qt::Key_F10));
    c.menuAutoCollage = addItem(m, "menuAutoCollage", "Auto-Collage");
    m->addSeparator();
    c.DisplayFullScreen1 = addItem(m, "DisplayFullScreen1", "Preview Full Screen", QKeySequence(Qt::Key_F11));
    c.menuFullScreenResample =
        addItem(m, "menuFullScreenResample", "Preview Full Screen  (w/ Resample)", QKeySequence(Qt::Key_F12));
    c.menuCreateWallpaper = addItem(m, "menuCreateWallpaper", "Create Desktop Wallpaper");
    m->addSeparator();
    c.menuAddPhoto = addMenu(m, "menuAddPhoto", "&Add  Photo    ");
    c.menuAddPhotoFromDisk = addItem(c.menuAddPhoto, "menuAddPhotoFromDisk", "Photo From &Disk ..");
    c.menuAddPhotoFromClipboard =
        addItem(c.menuAddPhoto, "menuAddPhotoFromClipboard", "Photo &From Clipboard");
    c.menuAddTransparentPhotoFromDisk =
        addItem(c.menuAddPhoto, "menuAddTransparentPhotoFromDisk", "Transparent Photo From Disk ..");
    c.menuAddTransparentPhotoFromClipboard =
        addItem(c.menuAddPhoto, "menuAddTransparentPhotoFromClipboard", "Transparent Photo From Clipboard");
    c.menuAddText = addItem(m, "menuAddText", "Add &Text ..");
    c.menuStamps = addItem(m, "menuStamps", "Rubber Stamps ..");
    m->addSeparator();
    c.menuNextObject = addItem(m, "menuNextObject", "Next Object    (PageDn)");
    c.menuPreviousObject = addItem(m, "menuPreviousObject", "Previous Object    (PageUp)");
    c.menuClearSelectionBox = addItem(m, "menuClearSelectionBox", "Clear Selection box");
    c.menuShowSelectionBox = addItem(m, "menuShowSelectionBox", "&Show Selection Box");
    c.menuRemoveAllObjects = addItem(m, "menuRemoveAllObjects", "Remove All Objects");
    m->addSeparator();
    c.menuBatchOperations = addItem(m, "menuBatchOperations", "Batch Operations ..");
    c.menuRefresh = addItem(m, "menuRefresh", "&Refresh", QKeySequence(Qt::Key_F5));
}

void TfrmMain::buildPhotoMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuPhoto = addMainMenu(c.MainMenu1, "mainMenuPhoto", "&Photo");
    c.menuSelectMask = addItem(m, "menuSelectMask", "Select &Mask from Disk ..");
    c.menuCustomMask = addItem(m, "menuCustomMask", "&Custom Mask ..");
    c.menuClearMask = addItem(m, "menuClearMask", "&Clear Mask");
    m->addSeparator();
    c.menuCrop = addItem(m, "menuCrop", "&Crop ..");
    c.menuReplacePhoto = addItem(m, "menuReplacePhoto", "&Replace Photo ..");
    c.menuDropShadow = addItem(m, "menuDropShadow", "&Drop Shadow ..");
    c.menuBorder = addItem(m, "menuBorder", "&Border ..");
    c.menuPictureFrame = addItem(m, "menuPictureFrame", "Picture Frame ..");
    c.menuRotation = addItem(m, "menuRotation", "Rotation ..");
    c.menuRemovePhoto = addItem(m, "menuRemovePhoto", "&Remove Photo", QKeySequence(Qt::Key_Delete));
    m->addSeparator();
    c.menuColorize = addItem(m, "menuColorize", "Colorize ..");
    c.menuBrightnessContrast = addItem(m, "menuBrightnessContrast", "Brightness/Contrast ..");
    c.menuGrayscale = addItem(m, "menuGrayscale", "&Grayscale Effect");
    c.menuNegative = addItem(m, "menuNegative", "&Negative Effect");
}

void TfrmMain::buildTextMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuText = addMainMenu(c.MainMenu1, "mainMenuText", "&Text");
    c.menuEditText = addItem(m, "menuEditText", "&Edit Text ..");
    c.DuplicateText1 = addItem(m, "DuplicateText1", "&Duplicate Text ..");
    m->addSeparator();
    c.menuCopyTextAttributes = addItem(m, "menuCopyTextAttributes", "&Copy Text Object Attributes");
    c.menuPasteTextAttributes = addItem(m, "menuPasteTextAttributes", "&Paste Text Object Attributes");
    c.menuCopyFontToAllText =
        addItem(m, "menuCopyFontToAllText", "Copy Font Attributes  To All Text Objects");
    m->addSeparator();
    c.RemoveText1 = addItem(m, "RemoveText1", "&Remove Text", QKeySequence(Qt::Key_Delete));
}

void TfrmMain::buildViewMenu()
{
    MainCommands& c = m_commands;
    QMenu* m = c.mainMenuView = addMainMenu(c.MainMenu1, "mainMenuView", "&View");
    c.menuShowAllButtons = addCheckItem(m, "menuShowAllButtons", "Show Toolbars", true);
    c.menuShowButtonCaptions = addCheckItem(m, "menuShowButtonCaptions", "Show Button Captions", true);
    c.menuShowToolPanel = addCheckItem(m, "menuShowToolPanel", "Show Control Panel (Left Panel)", true);
    m->addSeparator();
    c.menuShowGrid = addCheckItem(m, "menuShowGrid", "Show Grid", false);
}

void TfrmMain::buildZoomAndHelpMenus()
{
    MainCommands& c = m_commands;
    QMenu* z = c.mainMenuZoom = addMainMenu(c.MainMenu1, "mainMenuZoom", "&Zoom");
    c.zoomGroup = new QActionGroup(this);
    c.zoomGroup->setExclusive(true);
    c.menuZoom100 = addCheckItem(z, "menuZoom100", "&Zoom 100%", true);
    c.menuZoom75 = addCheckItem(z, "menuZoom75", "Zoom 75%", false);
    c.menuZoom50 = addCheckItem(z, "menuZoom50", "Zoom 50%", false);
    c.menuZoom40 = addCheckItem(z, "menuZoom40", "Zoom 40%", false);
    c.menuZoom25 = addCheckItem(z, "menuZoom25", "Zoom 25%", false);
    for (QAction* zoom : {c.menuZoom100, c.menuZoom75, c.menuZoom50, c.menuZoom40, c.menuZoom25})
        c.zoomGroup->addAction(zoom);

    QMenu* h = c.mainMenuHelp = addMainMenu(c.MainMenu1, "mainMenuHelp", "&Help");
    c.WhatsNew1 = addItem(h, "WhatsNew1", "What's New ");
    c.menuAbout = addItem(h, "menuAbout", "&About");
    c.menuHelpSystem = addItem(h, "menuHelpSystem", "&Help");
    c.menuVisitWebsite = addItem(h, "menuVisitWebsite", "&Visit Website");
    h->addSeparator();
    c.mainmenuDownload = addItem(h, "mainmenuDownload", "Download Additional Graphics ..");
}

void TfrmMain::buildCollagePopup()
{
    MainCommands& c = m_commands;
    QMenu* m = c.menuCollage = new QMenu(this);
    m->setObjectName(QStringLiteral("menuCollage"));
    c.collageMenuAddObject = addMenu(m, "collageMenuAddObject", "Add Object");
    QMenu* add = c.collageMenuAddObject;
    c.collageMenuText = addItem(add, "collageMenuText", "&Text ..");
    c.collageMenuPhotoFromDisk = addItem(add, "collageMenuPhotoFromDisk", "&Photo From Disk ..");
    c.collageMenuPhotoFromClipboard = addItem(add, "collageMenuPhotoFromClipboard", "Photo From &Clipboard");
    c.collageMenuTransparentPhotoFromDisk =
        addItem(add, "collageMenuTransparentPhotoFromDisk", "Transparent photo From Disk ..");
    c.collageMenuTransparentPhotoFromClipboard =
        addItem(add, "collageMenuTransparentPhotoFromClipboard", "Transparent Photo From Clipboard");
    c.collageMenuRemoveAllObjects = addItem(m, "collageMenuRemoveAllObjects", "Remove All Objects");
    m->addSeparator();
    c.menuAddBackgroundTexture = addItem(m, "menuAddBackgroundTexture", "Background Texture ..");
    c.collageMenuLayoutManager =
        addItem(m, "collageMenuLayoutManager", "&Layout Manager ..", QKeySequence(Qt::Key_F10));
    m->addSeparator();
    c.collageMenuPreviewFullScreen =
        addItem(m, "collageMenuPreviewFullScreen", "&Preview Full Screen", QKeySequence(Qt::Key_F11));
    c.collageMenuCreateWallpaper = addItem(m, "collageMenuCreateWallpaper", "&Create Desktop Wallpaper");
    m->addSeparator();
    c.menuUndoRubberStamp =
        addItem(m, "menuUndoRubberStamp", "&Undo Last Rubber Stamp", QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.menuClearAllRubberStamps = addItem(m, "menuClearAllRubberStamps", "Clear All Rubber Stamps");
    m->addSeparator();
    c.collageMenuRefresh = addItem(m, "collageMenuRefresh", "&Refresh", QKeySequence(Qt::Key_F5));

    // The Lock pop-up, over a locked object.
    c.menuLock = new QMenu(this);
    c.menuLock->setObjectName(QStringLiteral("menuLock"));
    c.lockMenuUnlock = addItem(c.menuLock, "lockMenuUnlock", "&Unlock Object");

    // The "Photo" tool button's drop-down.
    QMenu* p = c.popupAddPhoto = new QMenu(this);
    p->setObjectName(QStringLiteral("popupAddPhoto"));
    c.popupPhotoFromDisk = addItem(p, "popupPhotoFromDisk", "Photo From Disk ..");
    c.popupPhotoFromClipboard = addItem(p, "popupPhotoFromClipboard", "Photo From Window's Clipboard");
    c.popupTransparentPhotoFromDisk =
        addItem(p, "popupTransparentPhotoFromDisk", "Transparent Photo From Disk ..");
    c.popupTransparentPhotoFromClipboard =
        addItem(p, "popupTransparentPhotoFromClipboard", "Transparent Photo From Clipboard ");
}

void TfrmMain::buildObjectPopup()
{
    MainCommands& c = m_commands;
    QMenu* m = c.menuPhoto = new QMenu(this);
    m->setObjectName(QStringLiteral("menuPhoto"));
    c.photoMenuCrop = addItem(m, "photoMenuCrop", "Crop Photo ..");
    c.photoMenuRotate = addItem(m, "photoMenuRotate", "Rotate ..");
    c.photoMenuReplacePhoto = addItem(m, "photoMenuReplacePhoto", "&Replace Photo ..");
    c.photoMenuClone = addMenu(m, "photoMenuClone", "Clone Photo");
    c.PerformClone1 = addItem(c.photoMenuClone, "PerformClone1", "Clone Selected Photo");
    c.photoMenuEnlarge = addItem(m, "photoMenuEnlarge", "&Enlarge To Fit Collage");
    m->addSeparator();
    c.photoMenuMask = addMenu(m, "photoMenuMask", "&Mask");
    c.photoMenuMaskFromDisk = addItem(c.photoMenuMask, "photoMenuMaskFromDisk", "&Mask  From Disk ..");
    c.photoMenuCustomMask = addItem(c.photoMenuMask, "photoMenuCustomMask", "Custom Mask ..");
    c.photoMenuClearMask = addItem(c.photoMenuMask, "photoMenuClearMask", "&Clear Mask");
    c.photoMenuMask->addSeparator();
    c.photoMenuHelpMasks = addItem(c.photoMenuMask, "photoMenuHelpMasks", "&Help on Masks");
    c.photoMenuDropShadow = addItem(m, "photoMenuDropShadow", "&Drop Shadow ..");
    c.photoMenuHalo = addItem(m, "photoMenuHalo", "&Halo ..");
    c.photoMenuPictureFrame = addMenu(m, "photoMenuPictureFrame", "&Picture Frame ...");
    c.photoMenuOrnateFrame =
        addItem(c.photoMenuPictureFrame, "photoMenuOrnateFrame", "Ornate Picture Frame ..");
    c.photoMenuSolidFrame = addItem(c.photoMenuPictureFrame, "photoMenuSolidFrame", "Solid Frame ..");
    c.photoMenuPictureFrame->addSeparator();
    c.photoMenuHelpFrames = addItem(c.photoMenuPictureFrame, "photoMenuHelpFrames", "Help on Frames ..");
    c.photoMenuTransparency = addItem(m, "photoMenuTransparency", "Transparency ..");
    c.photoMenuColorEnhancement = addMenu(m, "photoMenuColorEnhancement", "Color Enhancement");
    QMenu* colour = c.photoMenuColorEnhancement;
    c.photoMenuColorize = addItem(colour, "photoMenuColorize", "Colorize..");
    c.photoMenuBrightness = addItem(colour, "photoMenuBrightness", "Brightness/Contrast ..");
    c.photoMenuGrayscale = addItem(colour, "photoMenuGrayscale", "Gray Scale Effect");
    c.photoMenuNegative = addItem(colour, "photoMenuNegative", "Negative Effect");
    m->addSeparator();
    c.menuPhotoEditText = addItem(m, "menuPhotoEditText", "&Edit Text ..");
    c.menuDuplicateText = addItem(m, "menuDuplicateText", "Duplicate &Text ..");
    c.menuCopyTextSettings = addItem(m, "menuCopyTextSettings", "Copy Text Object Attributes");
    c.menuPasteTextSettings = addItem(m, "menuPasteTextSettings", "Paste Text Object Attributes");
    m->addSeparator();
    c.photoMenuRemove = addItem(m, "photoMenuRemove", "&Remove Photo", QKeySequence(Qt::Key_Delete));
    c.photoMenuSendToBack = addItem(m, "photoMenuSendToBack", "&Send to Back");
    c.photoMenuBringToFront = addItem(m, "photoMenuBringToFront", "&Bring To Front");
    c.menuBestView = addItem(m, "menuBestView", "&Best View (Center)");
    c.photoMenuLock = addItem(m, "photoMenuLock", "Lock Object");
    m->addSeparator();
    c.photoMenuProperties = addItem(m, "photoMenuProperties", "Properties");
    c.photoMenuRefresh = addItem(m, "photoMenuRefresh", "Re&fresh", QKeySequence(Qt::Key_F5));

    // Check marks that UpdatePhotoMenu sets.
    for (QAction* checkable :
         {c.photoMenuCrop, c.photoMenuRotate, c.photoMenuMask->menuAction(), c.photoMenuMaskFromDisk,
          c.photoMenuCustomMask, c.photoMenuDropShadow, c.photoMenuHalo,
          c.photoMenuPictureFrame->menuAction(), c.photoMenuOrnateFrame, c.photoMenuSolidFrame,
          c.photoMenuTransparency, c.photoMenuColorEnhancement->menuAction(), c.photoMenuColorize,
          c.photoMenuBrightness, c.photoMenuGrayscale, c.photoMenuNegative})
        checkable->setCheckable(true);
}

void TfrmMain::applyStartStates()
{
    MainCommands& c = m_commands;
    // Items created disabled; everything else is created enabled.
    for (QAction* disabled :
         {c.menuSaveCollage, c.menuSaveCollageAs, c.menuSaveGraphic, c.menuPrintCollage,
          c.menuDeleteOrphanedFiles, c.CopyCollageToClipboard, c.menuCopyTextAttributes,
          c.menuPasteTextAttributes, c.ToolButtonShadow, c.ToolButtonGrayscale, c.ToolButtonMask,
          c.ToolButtonFrame, c.ToolButtonColorize, c.ToolButtonBrightness, c.ToolButtonRotate,
          c.ToolButtonCrop, c.ToolButtonDelete})
        setCommandEnabled(disabled, false);
    for (QMenu* menu :
         {c.mainMenuEdit, c.mainMenuCollage, c.mainMenuPhoto, c.mainMenuText, c.mainMenuObjects})
        menu->setEnabled(false);

    // Every item starts without a command; apply the gate to all of them.
    for (QAction* action : findChildren<QAction*>())
        if (!action->menu() && !action->isSeparator() && !action->objectName().isEmpty() &&
            !action->objectName().startsWith(QStringLiteral("qt_")))
            setCommandEnabled(action, commandWanted(action));
}

} // namespace quiltara::app
