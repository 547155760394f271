#pragma once

#include "app/core/settings_file.h"
#include "app/main_commands.h"
#include "document/collage.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QActionGroup;
class QLabel;
class QTimer;

namespace quiltara::canvas {
class ScrollBoxCollage;
}

namespace quiltara::app {

class ControlBar;
class MainStatusBar;
class ScrollBoxTools;

// What start-up takes from outside the window.
struct StartOptions {
    // Bits per pixel of the display's pixel storage; read from the primary
    // screen when not given (tests give it).
    std::optional<int> displayBitsPerPixel;
    // The command-line arguments after the program name.
    QStringList arguments;
};

// What other windows and subsystems plug into the main window. Each member
// is empty until its subsystem exists; the window then keeps the matching
// buttons disabled or skips the step, as noted.
struct MainHooks {
    // SaveIfModified: false when the user cancelled (the window then stays
    // open). Empty: nothing can be modified yet, closing goes on.
    std::function<bool()> saveIfModified;
    // NewCollage with no file; true on success. Empty: the Welcome dialog's
    // "Create New Collage" is disabled.
    std::function<bool()> newCollage;
    // OpenCollageFile; true on success. Empty: "Open My Collage" is disabled
    // and a collage named on the command line is logged and ignored.
    std::function<bool(const std::string& path)> openCollageFile;
    // RenderAllMarkedPhotos.
    std::function<void()> renderAllMarkedPhotos;
    // Repaints the background for the current view size and requests a full
    // repaint of the canvas. Empty: the drawing surface is invalidated.
    std::function<void()> repaintBackgroundAndCanvas;
    // Redraws a collage area after an object left it. Empty: the drawing
    // surface is invalidated.
    std::function<void(const document::Rect32& collageRect)> redrawArea;
    // Releases the photo pipeline's process-wide working bitmaps.
    std::function<void()> releaseScratchBitmaps;
    // The Objects menu command: selects the entry's object. Empty: entries
    // are shown disabled.
    std::function<void(int slot)> objectMenuCommand;
    // Closes the text dialog if it is open (closing step 2).
    std::function<void()> closeTextDialog;
    // Chooses and opens the pop-up for a right click on the canvas (canvas
    // pixels). Empty: the collage pop-up opens while the collage has no
    // objects.
    std::function<void(const QPoint& canvasPosition)> canvasPopup;
};

// The program's only document window. It owns the open collage and lives
// for the whole run. Its code is split by concern: layout (main_window.cpp),
// the command map (command_map.cpp), tool bars (tool_bars.cpp), tool panel
// (tool_panel.cpp), status bar (status_bar.cpp), start-up (start_up.cpp),
// closing (closing.cpp), the Objects menu (objects_menu.cpp), the object
// pop-up rules (photo_menu.cpp), the View and Help menus (view_menu.cpp,
// help_menu.cpp) and the settings kept in collage.cfg (desktop_layout.cpp).
class TfrmMain : public QMainWindow, public document::CollageObserver {
    Q_OBJECT

public:
    explicit TfrmMain(StartOptions options = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    document::Collage& collage() { return m_collage; }
    Settings& settings() { return m_settings; }
    MainCommands& commands() { return m_commands; }
    MainHooks& hooks() { return m_hooks; }

    canvas::ScrollBoxCollage* scrollBoxCollage() const { return m_scrollBoxCollage; }
    ScrollBoxTools* scrollBoxTools() const { return m_scrollBoxTools; }
    ControlBar* controlBar() const { return m_controlBar; }
    MainStatusBar* statusPanels() const { return m_statusBar; }
    // The start-up timer, later the 200 ms timer of deferred redraws and
    // the minimum window size.
    QTimer* Timer1() const { return m_timer1; }
    // The canvas repaint timer; its period follows the setting Fast
    // Rubberband. The canvas connects it and starts it.
    QTimer* DrawTimer() const { return m_drawTimer; }

    // The palette window, placed by sbPalette; the button is disabled until
    // one is set.
    void setPaletteWindow(QWidget* palette);

    // Part of the editing state other windows read and set.
    bool StampMode = false;            // rubber-stamp mode is on
    bool TextAttributesCopied = false; // text attributes wait to be pasted
    bool WindowGrown = false;          // the view outgrew its off-screen bitmaps
    bool WelcomeShowing = false;       // the Welcome dialog is open
    bool JustOpened = false;           // a collage file dialog just closed: no drag starts
    std::string MaskDialogFolder;      // start folder of the mask picture dialog
    std::string MaskDialogFileName;    // file name preset in the mask picture dialog
    std::string CollageOpenFolder;     // start folder of the collage open dialog; empty = Collages
    // The choices the first New Collage dialog starts with.
    int NewCollageSizeIndex = 1;       // 4 by 6 inches
    int NewCollageOrientation = 1;     // Landscape
    int NewCollageResolutionIndex = 1; // 150 DPI

    // System metrics cached when the window is laid out, for sizing dialogs.
    struct SystemMetrics {
        int menuHeight = 0;
        int captionHeight = 0;
        int frameWidth = 0;
        int frameHeight = 0;
        int borderWidth = 1;
        int scrollBarHeight = 0;
    };
    const SystemMetrics& systemMetrics() const { return m_metrics; }

    // collage.cfg in the program folder.
    std::string settingsPath() const;
    // Repaints the background and the canvas, through the renderer's hook
    // when there is one.
    void requestCanvasRepaint();

    // The caption for a collage file name: program, name, canvas size, zoom.
    void UpdateCaption(const std::string& fileName);

    // Objects menu.
    void AddObjectMenuEntry(const QString& caption, int slot);
    void RemoveObjectMenuEntry(int slot);
    void RefreshObjectMenu(int selected);

    // The object pop-up and the Photo and Text menus follow the selected
    // object.
    void UpdatePhotoMenu();
    // The photo tool buttons and the photo menu items that work on a photo.
    void EnablePhotoCommands(bool enabled);

    // Status bar texts, panels 0 ... 7.
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    // Help pages: program folder + "/help/" + page + ".htm".
    void ShowHelp(const QString& page);

    // Handlers of the View, Help and File menus and the tool panel.
    void menuShowAllButtonsClick();
    void menuShowButtonCaptionsClick();
    void menuShowToolPanelClick();
    void sbToolbarClick();
    void sbPaletteClick();
    void Exit1Click();
    void WhatsNew1Click();
    void menuHelpSystemClick();
    void menuVisitWebsiteClick();
    void menuAboutClick();
    void menuSettingsClick();

    // The main tool bar's button size, and both bars' caption state.
    void setMainToolBarButtonSize(int width, int height);
    QSize mainToolBarButtonSize() const;
    QSize photoToolBarButtonSize() const;
    bool toolBarsShowCaptions() const;

    // One tick of Timer1 (the timer calls it; tests may too).
    void Timer1Timer();

    // CollageObserver
    void objectsMenuEnabled() override;
    void objectMenuEntryRemoved(int slot) override;
    void areaToRedraw(const document::Rect32& collageRect) override;
    void scratchBitmapsReleased() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout and command map.
    void buildWindow();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildCollageMenu();
    void buildPhotoMenu();
    void buildTextMenu();
    void buildViewMenu();
    void buildZoomAndHelpMenus();
    void buildCollagePopup();
    void buildObjectPopup();
    void buildToolBars();
    void buildToolPanel();
    void wireOwnCommands();
    void applyStartStates();

    // Start-up steps.
    void readStartSettings();
    void checkVideoDepth(int bitsPerPixel);
    void initializeLayout();
    void FormCreate();
    void FormShow();
    void showWelcome();
    void toolPanelPictureMissing();

    // Tool bars and the tool panel.
    void setToolBarCaptions(bool captions);
    void sizeToolBarButtons(QToolBar* bar, int width, int height, bool captions);
    void setToolPanelOpen(bool open);
    void toggleToolPanel();

    // Closing.
    void runClosingSteps();
    void collectDesktopLayout();

    QAction* objectMenuEntry(int slot) const;

    StartOptions m_options;
    document::Collage m_collage;
    Settings m_settings;
    MainCommands m_commands;
    MainHooks m_hooks;
    SystemMetrics m_metrics;

    ControlBar* m_controlBar = nullptr;
    ScrollBoxTools* m_scrollBoxTools = nullptr;
    canvas::ScrollBoxCollage* m_scrollBoxCollage = nullptr;
    MainStatusBar* m_statusBar = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_drawTimer = nullptr;
    QWidget* m_paletteWindow = nullptr;

    bool m_firstShowDone = false;
    bool m_welcomeShown = false;
    bool m_forcingMinimumSize = false;
    bool m_closingStepsDone = false;
    bool m_closing = false;
};

} // namespace quiltara::app
