// Closing the main window: ask to save, write the settings and the desktop
// layout, close the log, release the document.
#include "app/control_bar.h"
#include "app/core/action_log.h"
#include "app/main_window.h"
#include "app/tool_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QTimer>
#include <QToolBar>

namespace quiltara::app {

void TfrmMain::Exit1Click()
{
    if (m_hooks.saveIfModified && !m_hooks.saveIfModified())
        return; // cancelled: stay open
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (m_closingStepsDone) {
        event->accept();
        return;
    }
    // Step 1. After Exit has asked already, the collage is no longer
    // modified and this returns at once.
    if (m_hooks.saveIfModified && !m_hooks.saveIfModified()) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_timer1->stop();
    runClosingSteps();
    event->accept();
}

void TfrmMain::collectDesktopLayout()
{
    MainCommands& c = m_commands;
    Settings& s = m_settings;
    s.showToolbars = c.menuShowAllButtons->isChecked();

    const auto collectBar = [&](QToolBar* bar, ToolBarLayout& layout) {
        const QPoint position = m_controlBar->barPosition(bar);
        const QSize button = bar->property("quiltaraButtonSize").toSize();
        layout.left = position.x();
        layout.top = position.y();
        layout.buttonWidth = button.width();
        layout.buttonHeight = button.height();
        layout.width = bar->width();
        layout.showCaptions = bar->property("quiltaraCaptions").toBool();
    };
    collectBar(c.ToolBarMain, s.toolBar1);
    collectBar(c.ToolBarOps, s.toolBar2);

    s.vertToolBarVisible = m_scrollBoxTools->panelWidth() > ScrollBoxTools::kPictureWidthThreshold;

    // A maximised window is stored as such (width and height -1), so that
    // it comes back maximised; otherwise where it stands and its size.
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    s.desktop.left = normal.x();
    s.desktop.top = normal.y();
    s.desktop.width = isMaximized() ? -1 : normal.width();
    s.desktop.height = isMaximized() ? -1 : normal.height();
}

void TfrmMain::runClosingSteps()
{
    if (m_closingStepsDone)
        return;
    m_closingStepsDone = true;

    // Step 2.
    if (m_hooks.closeTextDialog)
        m_hooks.closeTextDialog();

    // Step 3.
    collectDesktopLayout();
    WriteExitSettings(settingsPath(), m_settings);
    SaveDesktopSettings(settingsPath(), m_settings);

    // Step 4.
    LogAction("FormClose", "END " + QDateTime::currentDateTime().toString(Qt::ISODate).toStdString());
    CloseActionLog();

    // Step 5.
    scratchBitmapsReleased();
    for (int i = 0; i < document::kMaxObjects; ++i)
        if (m_collage.Objects[static_cast<std::size_t>(i)])
            document::DestroyAndInitScreenObject(m_collage, m_collage.object(i));
    m_collage.Wallpaper.release();
    m_collage.OffScreenBuf.release();
}

} // namespace quiltara::app
