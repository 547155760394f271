#include "app/command_gate.h"
#include "app/control_bar.h"
#include "app/status_bar.h"
#include "app/tool_panel.h"
#include "canvas/collage_view.h"
#include "document/text_field.h"
#include "window_test_support.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace quiltara::app::testing {
namespace {

QStringList captionsOf(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            captions << action->text();
    return captions;
}

TEST_F(WindowTest, MenuBarHoldsTheNineMenusInOrder)
{
    TfrmMain& window = start();
    QStringList titles;
    for (const QAction* menu : window.commands().MainMenu1->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Collage", "&Photo", "&Text", "&View", "&Objects",
                                   "&Zoom", "&Help"}));
}

TEST_F(WindowTest, MenusHoldTheirItemsInOrderWithTheirTexts)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    EXPECT_EQ(captionsOf(c.mainMenuFile),
              (QStringList{"&New", "&Open Collage  ..", "&Save Collage", "Save Collage As ..",
                           "&Save As Graphic ..", "Email Collage ..", "P&rinter Setup ..",
                           "&Print Collage ..", "Configuration Settin&gs ..", "&Import 2.x Collages ..",
                           "Clean Temp Files ..", "&Exit"}));
    EXPECT_EQ(
        captionsOf(c.mainMenuEdit),
        (QStringList{"&Copy Collage To System Clipboard", "Paste Photo From Clipboard",
                     "Paste Transparent Photo From Clipboard", "Apply Background Texture From Clipboard",
                     "&Undo Last Rubber Stamp", "&Clear All Rubber Stamps"}));
    EXPECT_EQ(captionsOf(c.mainMenuCollage),
              (QStringList{"Modify &Canvas Size ..", "Layout Manager ..", "Auto-Collage",
                           "Preview Full Screen", "Preview Full Screen  (w/ Resample)",
                           "Create Desktop Wallpaper", "&Add  Photo    ", "Add &Text ..", "Rubber Stamps ..",
                           "Next Object    (PageDn)", "Previous Object    (PageUp)", "Clear Selection box",
                           "&Show Selection Box", "Remove All Objects", "Batch Operations ..", "&Refresh"}));
    EXPECT_EQ(captionsOf(c.menuAddPhoto),
              (QStringList{"Photo From &Disk ..", "Photo &From Clipboard", "Transparent Photo From Disk ..",
                           "Transparent Photo From Clipboard"}));
    EXPECT_EQ(captionsOf(c.mainMenuPhoto),
              (QStringList{"Select &Mask from Disk ..", "&Custom Mask ..", "&Clear Mask", "&Crop ..",
                           "&Replace Photo ..", "&Drop Shadow ..", "&Border ..", "Picture Frame ..",
                           "Rotation ..", "&Remove Photo", "Colorize ..", "Brightness/Contrast ..",
                           "&Grayscale Effect", "&Negative Effect"}));
    EXPECT_EQ(captionsOf(c.mainMenuText),
              (QStringList{"&Edit Text ..", "&Duplicate Text ..", "&Copy Text Object Attributes",
                           "&Paste Text Object Attributes", "Copy Font Attributes  To All Text Objects",
                           "&Remove Text"}));
    EXPECT_EQ(captionsOf(c.mainMenuView), (QStringList{"Show Toolbars", "Show Button Captions",
                                                       "Show Control Panel (Left Panel)", "Show Grid"}));
    EXPECT_EQ(captionsOf(c.mainMenuZoom),
              (QStringList{"&Zoom 100%", "Zoom 75%", "Zoom 50%", "Zoom 40%", "Zoom 25%"}));
    EXPECT_EQ(captionsOf(c.mainMenuHelp), (QStringList{"What's New ", "&About", "&Help", "&Visit Website",
                                                       "Download Additional Graphics .."}));
    EXPECT_EQ(captionsOf(c.menuCollage),
              (QStringList{"Add Object", "Remove All Objects", "Background Texture ..", "&Layout Manager ..",
                           "&Preview Full Screen", "&Create Desktop Wallpaper", "&Undo Last Rubber Stamp",
                           "Clear All Rubber Stamps", "&Refresh"}));
    EXPECT_EQ(captionsOf(c.collageMenuAddObject),
              (QStringList{"&Text ..", "&Photo From Disk ..", "Photo From &Clipboard",
                           "Transparent photo From Disk ..", "Transparent Photo From Clipboard"}));
    EXPECT_EQ(captionsOf(c.menuPhoto), (QStringList{"Crop Photo ..",
                                                    "Rotate ..",
                                                    "&Replace Photo ..",
                                                    "Clone Photo",
                                                    "&Enlarge To Fit Collage",
                                                    "&Mask",
                                                    "&Drop Shadow ..",
                                                    "&Halo ..",
                                                    "&Picture Frame ...",
                                                    "Transparency ..",
                                                    "Color Enhancement",
                                                    "&Edit Text ..",
                                                    "Duplicate &Text ..",
                                                    "Copy Text Object Attributes",
                                                    "Paste Text Object Attributes",
                                                    "&Remove Photo",
                                                    "&Send to Back",
                                                    "&Bring To Front",
                                                    "&Best View (Center)",
                                                    "Lock Object",
                                                    "Properties",
                                                    "Re&fresh"}));
    EXPECT_EQ(captionsOf(c.photoMenuMask),
              (QStringList{"&Mask  From Disk ..", "Custom Mask ..", "&Clear Mask", "&Help on Masks"}));
    EXPECT_EQ(captionsOf(c.photoMenuColorEnhancement),
              (QStringList{"Colorize..", "Brightness/Contrast ..", "Gray Scale Effect", "Negative Effect"}));
    EXPECT_EQ(captionsOf(c.menuLock), (QStringList{"&Unlock Object"}));
    EXPECT_EQ(captionsOf(c.popupAddPhoto),
              (QStringList{"Photo From Disk ..", "Photo From Window's Clipboard",
                           "Transparent Photo From Disk ..", "Transparent Photo From Clipboard "}));
}

TEST_F(WindowTest, ItemsCarryTheirShortCuts)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    const std::pair<QAction*, QKeySequence> keys[] = {
        {c.mainmenuUndoRubberStamp, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {c.menuUndoRubberStamp, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {c.menuLayoutManager, QKeySequence(Qt::Key_F10)},
        {c.collageMenuLayoutManager, QKeySequence(Qt::Key_F10)},
        {c.DisplayFullScreen1, QKeySequence(Qt::Key_F11)},
        {c.collageMenuPreviewFullScreen, QKeySequence(Qt::Key_F11)},
        {c.menuFullScreenResample, QKeySequence(Qt::Key_F12)},
        {c.menuRefresh, QKeySequence(Qt::Key_F5)},
        {c.collageMenuRefresh, QKeySequence(Qt::Key_F5)},
        {c.photoMenuRefresh, QKeySequence(Qt::Key_F5)},
        {c.menuRemovePhoto, QKeySequence(Qt::Key_Delete)},
        {c.RemoveText1, QKeySequence(Qt::Key_Delete)},
        {c.photoMenuRemove, QKeySequence(Qt::Key_Delete)},
    };
    for (const auto& [action, key] : keys)
        EXPECT_EQ(action->shortcut(), key) << action->objectName().toStdString();
}

TEST_F(WindowTest, ToolBarsHoldTheirButtonsWithCaptionsAndHints)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    EXPECT_EQ(c.ToolBarMain->windowTitle(), "Main Toolbar");
    EXPECT_EQ(c.ToolBarOps->windowTitle(), "Photo Toolbar");
    QStringList main;
    for (const QAction* a : c.ToolBarMain->actions())
        main << (a->isSeparator() ? QStringLiteral("|") : a->text() + QStringLiteral("=") + a->toolTip());
    EXPECT_EQ(main, (QStringList{"New=New Collage", "Open=Open Collage", "Save=Save Collage",
                                 "Print=Print Collage", "|", "Preview=Preview Collage in Full Screen Mode",
                                 "Layout=Collage Layout Manager", "Photo=Add a photo to the collage",
                                 "Add Text=Add text to the collage", "Stamp=Apply Rubber Stamps",
                                 "Auto=Auto-Collage"}));
    QStringList ops;
    for (const QAction* a : c.ToolBarOps->actions())
        ops << a->text() + QStringLiteral("=") + a->toolTip();
    EXPECT_EQ(ops, (QStringList{"Shadow=Drop Shadow", "Grayscale=Toggle Grayscale Effect", "Mask=Apply Mask",
                                "Frame=Ornate Frame", "Colorize=Colorize Photo",
                                "Brightness=Brightness/Contrast Level", "Rotate=Free Rotation",
                                "Crop=Crop Photo", "Delete=Delete Selected Object"}));
    auto* photo = qobject_cast<QToolButton*>(c.ToolBarMain->widgetForAction(c.ToolButtonPhoto));
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->menu(), c.popupAddPhoto);
    EXPECT_EQ(photo->popupMode(), QToolButton::MenuButtonPopup);
}

TEST_F(WindowTest, RightAfterStartUpTheCollageMenuAndSaveCommandsAreWantedAndTheRestWaits)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    for (const QMenu* menu : {c.mainMenuEdit, c.mainMenuPhoto, c.mainMenuText, c.mainMenuObjects})
        EXPECT_FALSE(menu->isEnabled()) << menu->objectName().toStdString();
    EXPECT_TRUE(c.mainMenuCollage->isEnabled());
    for (QAction* button : c.ToolBarOps->actions())
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    // The window wants these on; they come on once their commands exist.
    for (QAction* item : {c.menuSaveCollage, c.menuSaveCollageAs, c.menuSaveGraphic, c.menuPrintCollage,
                          c.menuDeleteOrphanedFiles, c.ToolButtonSave, c.ToolButtonText})
        EXPECT_TRUE(commandWanted(item)) << item->objectName().toStdString();
    for (QAction* item : {c.CopyCollageToClipboard, c.menuCopyTextAttributes, c.menuPasteTextAttributes})
        EXPECT_FALSE(commandWanted(item)) << item->objectName().toStdString();
    EXPECT_TRUE(c.menuZoom100->isChecked());
    EXPECT_TRUE(c.menuShowToolPanel->isChecked());
    EXPECT_FALSE(c.menuShowGrid->isChecked());

    // No enabled item is without a command.
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->isEnabled() && !action->menu() && !action->isSeparator() &&
            !action->objectName().isEmpty() && !action->objectName().startsWith(QStringLiteral("qt_"))) {
            EXPECT_TRUE(commandWired(action)) << action->objectName().toStdString();
        }
    }
    // The window's own commands are there.
    for (QAction* own :
         {c.menuSettings, c.Exit1, c.menuShowAllButtons, c.menuShowButtonCaptions, c.menuShowToolPanel,
          c.WhatsNew1, c.menuAbout, c.menuHelpSystem, c.menuVisitWebsite, c.sbToolbarAction})
        EXPECT_TRUE(own->isEnabled()) << own->objectName().toStdString();
    EXPECT_FALSE(c.sbPaletteAction->isEnabled()); // until a palette window is set
}

TEST_F(WindowTest, WiringACommandEnablesItAsFarAsTheWindowWants)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    int saved = 0;
    wireCommand(c.menuSaveCollage, &window, [&] { ++saved; });
    wireCommand(c.CopyCollageToClipboard, &window, [] {});
    EXPECT_TRUE(c.menuSaveCollage->isEnabled());
    EXPECT_FALSE(c.CopyCollageToClipboard->isEnabled()); // wired, but not wanted yet
    c.menuSaveCollage->trigger();
    EXPECT_EQ(saved, 1);
    setCommandEnabled(c.CopyCollageToClipboard, true);
    EXPECT_TRUE(c.CopyCollageToClipboard->isEnabled());
}

TEST_F(WindowTest, StatusBarHasEightPanelsWithTheProgressBarInPanelSix)
{
    TfrmMain& window = start();
    MainStatusBar* bar = window.statusPanels();
    const std::pair<const char*, int> panels[] = {{"X: 0, Y:0", 100}, {"Left: 0", 60},   {"Top: 0", 60},
                                                  {"Width: 0", 80},   {"Height: 0", 80}, {"FreeMem:", 120},
                                                  {"", 140},          {"Status : ", 50}};
    for (int i = 0; i < MainStatusBar::kPanelCount; ++i) {
        EXPECT_EQ(bar->panelText(i), QString::fromUtf8(panels[i].first)) << i;
        EXPECT_EQ(bar->panelWidth(i), panels[i].second) << i;
        EXPECT_TRUE(bar->panelWidget(i)->font().bold());
        EXPECT_EQ(bar->panelWidget(i)->font().family(), "Arial");
    }
    QProgressBar* progress = bar->ProgressBar1();
    EXPECT_EQ(progress->parentWidget(), bar->panelWidget(MainStatusBar::kProgressPanel));
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
    window.show();
    ASSERT_TRUE(waitFor([&] { return progress->geometry() == bar->panelWidget(6)->rect(); }));
    EXPECT_TRUE(window.statusText(5).startsWith("FreeMem: ") && window.statusText(5).endsWith(" MB"));
}

TEST_F(WindowTest, CaptionNamesTheFileTheCanvasSizeAndTheZoom)
{
    TfrmMain& window = start();
    EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Unnamed Collage] - 1600 X 1200  [Zoom 100%]");
    const std::pair<float, const char*> zooms[] = {{0.76f, "  [Zoom 75%]"},
                                                   {0.5f, "  [Zoom 50%]"},
                                                   {0.4f, "  [Zoom 40%]"},
                                                   {0.25f, "  [Zoom 25%]"},
                                                   {0.3f, "  "}};
    for (const auto& [zoom, text] : zooms) {
        window.collage().Zoom = zoom;
        window.UpdateCaption("/home/u/Quiltara Projects/Collages/Beach.CLG");
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Quiltara 3.00  - [Beach.CLG] - 1600 X 1200") + text);
    }
}

TEST_F(WindowTest, HidingTheToolBarsDisablesButtonCaptions)
{
    TfrmMain& window = start();
    window.show();
    const MainCommands& c = window.commands();
    c.menuShowAllButtons->trigger();
    EXPECT_FALSE(c.menuShowAllButtons->isChecked());
    EXPECT_FALSE(window.controlBar()->isVisible());
    EXPECT_FALSE(c.menuShowButtonCaptions->isEnabled());
    c.menuShowAllButtons->trigger();
    EXPECT_TRUE(window.controlBar()->isVisible());
    EXPECT_TRUE(c.menuShowButtonCaptions->isEnabled());
}

TEST_F(WindowTest, ButtonCaptionsToggleSizesBothBarsAndPacksTheRow)
{
    writeConfig("[ToolBar2]\nLeft=700\nTop=0\n");
    TfrmMain& window = start();
    window.show();
    const MainCommands& c = window.commands();
    ControlBar* band = window.controlBar();
    EXPECT_EQ(window.mainToolBarButtonSize(), QSize(40, 50));
    EXPECT_EQ(window.photoToolBarButtonSize(), QSize(50, 40));

    c.menuShowButtonCaptions->trigger();
    EXPECT_FALSE(window.toolBarsShowCaptions());
    EXPECT_EQ(window.mainToolBarButtonSize(), QSize(20, 20));
    EXPECT_EQ(window.photoToolBarButtonSize(), QSize(20, 20));
    EXPECT_EQ(c.ToolBarMain->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // The photo bar stood in the main bar's row: it now starts right after it.
    EXPECT_EQ(band->barPosition(c.ToolBarOps).x(), band->barRight(c.ToolBarMain));
    // Each bar ends at its last button.
    const QWidget* last = c.ToolBarMain->widgetForAction(c.ToolButtonAuto);
    ASSERT_TRUE(waitFor([&] { return last->width() == 20 && last->x() > 0; }));
    EXPECT_LE(c.ToolBarMain->width() - (last->geometry().right() + 1), 2);
    EXPECT_GE(c.ToolBarMain->width(), last->geometry().right() + 1);

    c.menuShowButtonCaptions->trigger();
    EXPECT_EQ(window.mainToolBarButtonSize(), QSize(50, 40));
    EXPECT_EQ(window.photoToolBarButtonSize(), QSize(50, 40));
    EXPECT_EQ(c.ToolBarOps->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // Grown again, the bars do not overlap.
    EXPECT_GE(band->barPosition(c.ToolBarOps).x(), band->barRight(c.ToolBarMain));
}

TEST_F(WindowTest, ToolPanelButtonAndMenuItemToggleThePanel)
{
    TfrmMain& window = start();
    const MainCommands& c = window.commands();
    ScrollBoxTools* panel = window.scrollBoxTools();
    EXPECT_EQ(panel->width(), 140);
    EXPECT_EQ(c.sbToolbar->geometry(), QRect(124, 8, 14, 16));
    EXPECT_EQ(c.sbToolbar->toolTip(), "Hide Panel");
    const std::pair<QToolButton*, QPoint> buttons[] = {{c.sbPhoto, {83, 74}},
                                                       {c.sbText, {83, 168}},
                                                       {c.sbPalette, {83, 265}},
                                                       {c.sbAutoCollage, {83, 353}},
                                                       {c.sbFullScreen, {83, 440}}};
    for (const auto& [button, position] : buttons)
        EXPECT_EQ(button->pos(), position) << button->objectName().toStdString();
    EXPECT_EQ(c.sbPhoto->toolTip(), "Add Photo To Collage");
    EXPECT_EQ(c.sbText->toolTip(), "Add Text To Collage");

    // Collapsing with the button leaves the menu's check mark.
    c.sbToolbar->click();
    EXPECT_EQ(panel->width(), 13);
    EXPECT_EQ(c.sbToolbar->x(), 0);
    EXPECT_EQ(c.sbToolbar->toolTip(), "Expand Panel");
    EXPECT_TRUE(c.menuShowToolPanel->isChecked());
    // The item then opens the panel and loses its check mark.
    c.menuShowToolPanel->trigger();
    EXPECT_EQ(panel->width(), 140);
    EXPECT_EQ(c.sbToolbar->x(), 124);
    EXPECT_FALSE(c.menuShowToolPanel->isChecked());
}

TEST_F(WindowTest, PaletteButtonPlacesThePaletteAtTheRightEdge)
{
    TfrmMain& window = start();
    QWidget palette;
    palette.resize(200, 300);
    window.setPaletteWindow(&palette);
    ASSERT_TRUE(window.commands().sbPaletteAction->isEnabled());
    window.commands().sbPalette->click();
    EXPECT_TRUE(palette.isVisible());
    const auto& m = window.systemMetrics();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(palette.pos(),
              QPoint(screenWidth - 200 - (m.borderWidth + m.frameWidth) - m.scrollBarHeight, m.menuHeight));
    EXPECT_FALSE(palette.isModal());
}

TEST_F(WindowTest, ObjectsMenuListsObjectsAndChecksTheSelectedOne)
{
    TfrmMain& window = start();
    document::Collage& collage = window.collage();
    const int first = document::AddNewSelection(collage, 0, 0, 20, 20);
    collage.object(first).InUse = 1;
    collage.object(first).IsPhoto = 1;
    document::storeTextCut(collage.object(first).FileName, "/pics/Tom & Jerry.jpg");
    window.AddObjectMenuEntry(QString::fromStdString(document::ObjectCaption(collage.object(first))), first);
    const int second = document::AddNewSelection(collage, 0, 0, 100, 100);
    collage.object(second).InUse = 1;
    collage.object(second).IsText = 1;
    document::storeTextCut(collage.object(second).TextLine, "A caption of more than nineteen\nsecond");
    window.AddObjectMenuEntry(QString::fromStdString(document::ObjectCaption(collage.object(second))),
                              second);

    QMenu* objects = window.commands().mainMenuObjects;
    EXPECT_TRUE(objects->isEnabled()); // taking a slot enabled it
    ASSERT_EQ(objects->actions().size(), 2);
    EXPECT_EQ(objects->actions()[0]->text(), "Photo: Tom && Jerry.jpg (Layer 0)");
    EXPECT_EQ(objects->actions()[1]->text(), "Text: A caption of more t.. (Layer 0)");

    window.RefreshObjectMenu(second);
    EXPECT_EQ(objects->actions()[0]->text(), "Photo: Tom && Jerry.jpg (Layer 1)");
    EXPECT_FALSE(objects->actions()[0]->isChecked());
    EXPECT_TRUE(objects->actions()[1]->isChecked());

    // Entries choose their object once the selection command exists.
    EXPECT_FALSE(objects->actions()[0]->isEnabled());
    int chosen = -1;
    window.hooks().objectMenuCommand = [&](int slot) { chosen = slot; };
    window.RefreshObjectMenu(first);
    objects->actions()[0]->trigger();
    EXPECT_EQ(chosen, first);

    document::deletePhoto(collage, first); // removes the entry through the observer
    ASSERT_EQ(objects->actions().size(), 1);
    EXPECT_EQ(objects->actions()[0]->data().toInt(), second);
}

TEST_F(WindowTest, RightClickOnAnEmptyCanvasOpensTheCollagePopup)
{
    TfrmMain& window = start();
    window.show();
    QWidget* canvas = window.scrollBoxCollage()->paintBox();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50), canvas->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(canvas, &click);
    EXPECT_TRUE(window.commands().menuCollage->isVisible());
    window.commands().menuCollage->hide();

    QPoint asked;
    window.hooks().canvasPopup = [&](const QPoint& position) { asked = position; };
    QApplication::sendEvent(canvas, &click);
    EXPECT_EQ(asked, QPoint(50, 50));
    EXPECT_FALSE(window.commands().menuCollage->isVisible());
}

} // namespace
} // namespace quiltara::app::testing
