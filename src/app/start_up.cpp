// Start-up: the steps of creating the main window, the first show, the
// start-up timer with the Welcome dialog, and the 200 ms timer after it.
#include "app/command_gate.h"
#include "app/control_bar.h"
#include "app/core/action_log.h"
#include "app/core/display_depth.h"
#include "app/core/folders.h"
#include "app/cursors.h"
#include "app/dialogs/about_window.h"
#include "app/dialogs/welcome_dialog.h"
#include "app/main_window.h"
#include "app/status_bar.h"
#include "app/texts.h"
#include "app/tool_panel.h"
#include "app/ui/prompter.h"
#include "canvas/collage_view.h"
#include "document/view_geometry.h"
#include "imaging/pixel_format.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace quiltara::app {
namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 1200;
constexpr int kStartupTimerMs = 100;
constexpr int kRepeatTimerMs = 200;
constexpr int kMinimumWidth = 640;
constexpr int kMinimumHeight = 480;

int primaryScreenBitsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return storageBitsPerPixel(screen ? screen->depth() : 32);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.width() / 2 - window->width() / 2, area.height() / 2 - window->height() / 2);
    }
}

} // namespace

void TfrmMain::readStartSettings()
{
    // Step 1: the application title and the cursors. The cursor pictures
    // are files of the program folder, which main() has fixed already.
    QCoreApplication::setApplicationName(QString::fromUtf8(texts::kApplicationTitle));
    RegisterCursors();

    // Step 3: the action log, rewritten on every run.
    OpenActionLog(joinPath(ProgramFolder(), "actions.log"));
    LogAction("FormCreate", "START " + QDateTime::currentDateTime().toString(Qt::ISODate).toStdString() +
                                " " + ProgramFolder());

    // Step 4: collage.cfg.
    m_settings = ReadSettings(settingsPath(), PicturesFolder());
    const Settings& s = m_settings;
    MainCommands& c = m_commands;

    const DesktopLayout& desktop = s.desktop;
    const bool sizeMissing = desktop.width == -1 || desktop.height == -1;
    const bool bareDefault = desktop.left == 0 && desktop.top == 0 && desktop.width == kMinimumWidth &&
                             desktop.height == kMinimumHeight;
    if (sizeMissing || bareDefault) {
        // The size a maximised window gets, also where no window manager
        // acts on the request.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        move(desktop.left, desktop.top);
        resize(desktop.width, desktop.height);
    }

    c.menuShowAllButtons->setChecked(s.showToolbars);
    m_controlBar->setVisible(s.showToolbars);

    c.menuShowButtonCaptions->setChecked(s.toolBar1.showCaptions);
    setCommandEnabled(c.menuShowButtonCaptions, s.showToolbars);
    sizeToolBarButtons(c.ToolBarMain, s.toolBar1.buttonWidth, s.toolBar1.buttonHeight,
                       s.toolBar1.showCaptions);
    m_controlBar->moveBar(c.ToolBarMain, {s.toolBar1.left, s.toolBar1.top});
    sizeToolBarButtons(c.ToolBarOps, s.toolBar2.buttonWidth, s.toolBar2.buttonHeight,
                       s.toolBar2.showCaptions);
    m_controlBar->moveBar(c.ToolBarOps, {s.toolBar2.left, s.toolBar2.top});

    c.menuShowToolPanel->setChecked(s.vertToolBarVisible);

    // Step 5: the working pixel format, and the note on a display of less
    // than 32 bits per pixel.
    checkVideoDepth(m_options.displayBitsPerPixel.value_or(primaryScreenBitsPerPixel()));

    // Step 7: an empty collage of 1600 x 1200 on a white solid background.
    m_collage.CanvasWidth = kCanvasWidth;
    m_collage.CanvasHeight = kCanvasHeight;
    m_collage.Zoom = 1.0f;
    m_collage.ZoomedWidth = document::zoomTrunc(kCanvasWidth, m_collage.Zoom);
    m_collage.ZoomedHeight = document::zoomTrunc(kCanvasHeight, m_collage.Zoom);
    m_collage.FillType = 0;
    m_collage.BgColor = document::kWhite;
    m_collage.BgEndColor = document::kWhite;
    m_collage.Background = {document::kWhite, document::kWhite, 0};
    for (auto& slot : m_collage.Objects)
        slot.reset();
    UpdateCaption(texts::kUnnamedCollage);

    // The canvas repaint timer follows Fast Rubberband.
    m_drawTimer->setInterval(repaintPeriodAtStart(s.misc.fastRubberband));
}

void TfrmMain::checkVideoDepth(int bitsPerPixel)
{
    imaging::setWorkingBytesPerPixel(imaging::bytesPerPixelForDisplayDepth(bitsPerPixel));
    if (bitsPerPixel < 32 && !m_settings.checkVideo) {
        prompter().message(this, BoxKind::Information, QString::fromUtf8(texts::kVideoNote));
        m_settings.checkVideo = true;
        WriteCheckVideo(settingsPath(), true);
    }
}

void TfrmMain::initializeLayout()
{
    LogAction("Initialize");
    MainCommands& c = m_commands;

    m_metrics.menuHeight = menuBar()->sizeHint().height();
    m_metrics.captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    m_metrics.frameWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    m_metrics.frameHeight = m_metrics.frameWidth;
    m_metrics.borderWidth = 1;
    m_metrics.scrollBarHeight = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    setToolPanelOpen(m_settings.vertToolBarVisible);
    CollageOpenFolder.clear();
    m_collage.Background.CurrentColor = document::kWhite;
    m_collage.Background.CurrentEndColor = document::kWhite;

    for (QAction* item : {c.ToolButtonSave, c.ToolButtonText, c.menuSaveCollage, c.menuSaveCollageAs,
                          c.menuSaveGraphic, c.menuPrintCollage, c.menuDeleteOrphanedFiles})
        setCommandEnabled(item, true);
    c.mainMenuCollage->setEnabled(true);

    m_scrollBoxCollage->updateSurfaceGeometry();
    const int bpp = imaging::workingBytesPerPixel();
    m_collage.Wallpaper.resize(m_collage.View.ClientWidth, m_collage.View.ClientHeight, bpp);
    m_collage.OffScreenBuf.resize(m_collage.View.ClientWidth, m_collage.View.ClientHeight, bpp);

    NewCollageSizeIndex = 1;
    NewCollageOrientation = 1;
    NewCollageResolutionIndex = 1;
}

void TfrmMain::FormCreate()
{
    m_statusBar->setPanelWidth(5, 120);
    m_statusBar->setPanelWidth(MainStatusBar::kProgressPanel, 140);
    m_statusBar->ProgressBar1()->setStyleSheet(
        QStringLiteral("QProgressBar::chunk { background: #0000ff; }"));
    CreateWorkspaceFolders();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TfrmMain::FormShow()
{
    const std::uint64_t megabytes = AvailablePhysicalMemory() / 1000000;
    setStatusText(5, QString::fromUtf8(texts::kFreeMem) + QString::number(megabytes) +
                         QString::fromUtf8(texts::kMegabytes));
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    // The rest waits until the window is on the screen: the splash screen is
    // modal.
    QTimer::singleShot(0, this, [this] {
        if (m_closing)
            return;
        if (m_settings.misc.splashScreen) {
            TfrmAbout splash(this);
            centreOnScreen(&splash);
            splash.exec();
            if (!splash.pictureLoaded()) {
                prompter().message(this, BoxKind::Error,
                                   QString::fromUtf8(texts::kRunFromInstallationDirectory));
                close();
                return;
            }
        }
        if (!m_options.arguments.isEmpty()) {
            const std::string path = m_options.arguments.first().toStdString();
            if (m_hooks.openCollageFile)
                m_hooks.openCollageFile(path);
            else
                LogAction("FormShow", "Collage on the command line not opened: " + path);
        }
        m_timer1->setInterval(kStartupTimerMs);
        m_timer1->start();
    });
}

void TfrmMain::Timer1Timer()
{
    if (!m_welcomeShown) {
        m_timer1->stop();
        m_welcomeShown = true;
        showWelcome();
        if (m_closing)
            return;
        m_timer1->setInterval(kRepeatTimerMs);
        m_timer1->start();
        return;
    }

    if (WindowGrown && !m_forcingMinimumSize) {
        requestCanvasRepaint();
        WindowGrown = false;
    }
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
        (width() < kMinimumWidth || height() < kMinimumHeight)) {
        m_forcingMinimumSize = true;
        resize(std::max(width(), kMinimumWidth), std::max(height(), kMinimumHeight));
        m_forcingMinimumSize = false;
    }
}

void TfrmMain::showWelcome()
{
    TfrmWelcome welcome(this);
    if (m_hooks.newCollage)
        welcome.onNewCollage = m_hooks.newCollage;
    if (m_hooks.openCollageFile) {
        welcome.onOpenCollage = [this, &welcome] {
            const QString folder = CollageOpenFolder.empty() ? QString::fromStdString(CollagesFolder())
                                                             : QString::fromStdString(CollageOpenFolder);
            const QString path =
                prompter().openFileName(&welcome, QString::fromUtf8(texts::kOpenCollageTitle), folder,
                                        QString::fromUtf8(texts::kCollageFilter));
            if (path.isEmpty())
                return false;
            welcome.hide();
            setStatusText(MainStatusBar::kStatusPanel, QString::fromUtf8(texts::kOpeningCollage));
            if (!m_hooks.openCollageFile(path.toStdString())) {
                welcome.show();
                return false;
            }
            m_collage.CollageModified = false;
            return true;
        };
    }
    WelcomeShowing = true;
    const TfrmWelcome::Outcome outcome = welcome.run();
    WelcomeShowing = false;
    if (outcome == TfrmWelcome::ExitChosen) {
        close();
        return;
    }
    if (outcome == TfrmWelcome::Opened && m_hooks.renderAllMarkedPhotos)
        m_hooks.renderAllMarkedPhotos();
}

} // namespace quiltara::app
