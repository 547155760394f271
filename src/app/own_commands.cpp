// The commands this window carries out itself.
#include "app/command_gate.h"
#include "app/main_window.h"
#include "app/ui/command_boundary.h"

#include "canvas/collage_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace quiltara::app {

void TfrmMain::wireOwnCommands()
{
    MainCommands& c = m_commands;
    wireCommand(c.menuSettings, this, [this] { menuSettingsClick(); });
    wireCommand(c.Exit1, this, [this] { Exit1Click(); });
    wireCommand(c.menuShowAllButtons, this, [this] { menuShowAllButtonsClick(); });
    wireCommand(c.menuShowButtonCaptions, this, [this] { menuShowButtonCaptionsClick(); });
    wireCommand(c.menuShowToolPanel, this, [this] { menuShowToolPanelClick(); });
    wireCommand(c.sbToolbarAction, this, [this] { sbToolbarClick(); });
    wireCommand(c.WhatsNew1, this, [this] { WhatsNew1Click(); });
    wireCommand(c.menuHelpSystem, this, [this] { menuHelpSystemClick(); });
    wireCommand(c.menuVisitWebsite, this, [this] { menuVisitWebsiteClick(); });
    wireCommand(c.menuAbout, this, [this] { menuAboutClick(); });
    wireCommand(c.photoMenuHelpMasks, this, [this] { ShowHelp(QStringLiteral("Masks")); });
    wireCommand(c.photoMenuHelpFrames, this, [this] { ShowHelp(QStringLiteral("OrnateFrames")); });
    // sbPalette is wired when the palette window is set (setPaletteWindow).
    connect(c.sbPaletteAction, &QAction::triggered, this, [this] { sbPaletteClick(); });

    m_scrollBoxCollage->paintBox()->installEventFilter(this);

    // Clone Selected Photo is the document's own operation.
    wireCommand(c.PerformClone1, this, [this] {
        LogAction("PerformClone1Click");
        if (m_collage.NumObjects >= document::kMaxObjects) {
            prompter().message(this, BoxKind::Warning, QString::fromUtf8(document::kCollageFullMessage));
            return;
        }
        runCommand(this, "PerformClone1Click", QStringLiteral("Unable to clone photo"), [&] {
            document::CloneSelectedPhoto(m_collage);
            document::MarkToRefreshAllObjects(m_collage);
            if (m_hooks.renderAllMarkedPhotos)
                m_hooks.renderAllMarkedPhotos();
            requestCanvasRepaint();
        });
    });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scrollBoxCollage->paintBox() && event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (m_hooks.canvasPopup)
            m_hooks.canvasPopup(menuEvent->pos());
        else if (m_collage.NumObjects == 0)
            m_commands.menuCollage->popup(menuEvent->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quiltara::app
