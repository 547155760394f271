#include "app/project_window_adapter.h"

#include "app/command_gate.h"
#include "app/core/folders.h"
#include "app/dialogs/welcome_dialog.h"
#include "app/main_window.h"
#include "app/status_bar.h"
#include "app/texts.h"
#include "app/tool_panel.h"
#include "app/ui/prompter.h"
#include "canvas/collage_view.h"
#include "document/dialogs/canvas_size_dialog.h"
#include "document/dialogs/new_collage_dialog.h"
#include "document/texts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>

namespace quiltara::app {
namespace {

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// The commands run with the hourglass; a dialog they open is worked with the
// ordinary pointer, and the hourglass comes back when it closes.
class NormalCursor {
public:
    NormalCursor()
    {
        while (QGuiApplication::overrideCursor()) {
            QGuiApplication::restoreOverrideCursor();
            ++m_released;
        }
    }
    ~NormalCursor()
    {
        for (int i = 0; i < m_released; ++i)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    int m_released = 0;
};

// Where a file dialog starts: the file it offers when it has one (a full
// path stands on its own, a bare name lies in the dialog's folder), else its
// folder.
QString startPath(const document::FileDialogState& dialog)
{
    if (dialog.fileName.empty())
        return toQString(dialog.folder);
    if (dialog.fileName.front() == '/' || dialog.folder.empty())
        return toQString(dialog.fileName);
    return toQString(joinPath(dialog.folder, dialog.fileName));
}

QAction* zoomEntryAction(const MainCommands& c, document::ZoomEntry zoom)
{
    switch (zoom) {
    case document::ZoomEntry::Zoom100:
        return c.menuZoom100;
    case document::ZoomEntry::Zoom75:
        return c.menuZoom75;
    case document::ZoomEntry::Zoom50:
        return c.menuZoom50;
    case document::ZoomEntry::Zoom40:
        return c.menuZoom40;
    case document::ZoomEntry::Zoom25:
        return c.menuZoom25;
    case document::ZoomEntry::None:
        break;
    }
    return nullptr;
}

} // namespace

ProjectWindowAdapter::ProjectWindowAdapter(TfrmMain& window) : m_window(window) {}

document::Reply ProjectWindowAdapter::askYesNoCancel(const std::string& text)
{
    NormalCursor pointer;
    switch (prompter().question(&m_window, toQString(text), true)) {
    case Answer::Yes:
        return document::Reply::Yes;
    case Answer::No:
        return document::Reply::No;
    case Answer::Cancel:
        break;
    }
    return document::Reply::Cancel;
}

bool ProjectWindowAdapter::askWarningYesNo(const std::string& text)
{
    NormalCursor pointer;
    return prompter().warningQuestion(&m_window, toQString(text)) == Answer::Yes;
}

std::string ProjectWindowAdapter::chooseSaveFile(const document::FileDialogState& dialog)
{
    NormalCursor pointer;
    return prompter()
        .saveFileName(&m_window, QString::fromUtf8(document::texts::kSaveDialogTitle), startPath(dialog),
                      QString::fromUtf8(texts::kCollageFilter))
        .toStdString();
}

std::string ProjectWindowAdapter::chooseOpenFile(const document::FileDialogState& dialog)
{
    NormalCursor pointer;
    return prompter()
        .openFileName(&m_window, QString::fromUtf8(document::texts::kOpenDialogTitle), startPath(dialog),
                      QString::fromUtf8(texts::kCollageFilter))
        .toStdString();
}

bool ProjectWindowAdapter::editNewCollage(document::NewCollageForm& form)
{
    NormalCursor pointer;
    return document::NewCollageDialog::edit(&m_window, form);
}

bool ProjectWindowAdapter::editCanvasSize(document::CanvasSizeForm& form)
{
    NormalCursor pointer;
    return document::CanvasSizeDialog::edit(&m_window, form);
}

void ProjectWindowAdapter::showError(const std::string& text)
{
    NormalCursor pointer;
    prompter().message(&m_window, BoxKind::Error, toQString(text));
}

void ProjectWindowAdapter::showStatus(const std::string& text)
{
    m_window.setStatusText(MainStatusBar::kStatusPanel, toQString(text));
}

void ProjectWindowAdapter::setCaption(const std::string& caption)
{
    m_window.setWindowTitle(toQString(caption));
}

void ProjectWindowAdapter::saveDesktopSettings()
{
    SaveDesktopSettings(m_window.settingsPath(), m_window.settings());
}

void ProjectWindowAdapter::writeNewCollageKeys(const document::NewCollageKeys& keys)
{
    WriteNewCollageKeys(m_window.settingsPath(), keys);
}

void ProjectWindowAdapter::setJustOpened(bool justOpened)
{
    m_window.JustOpened = justOpened;
}

void ProjectWindowAdapter::hideWelcomeDialog()
{
    if (!m_window.WelcomeShowing)
        return;
    if (auto* welcome = m_window.findChild<TfrmWelcome*>())
        welcome->move(welcome->x(), -1000);
}

void ProjectWindowAdapter::collageCommandsEnabled(document::ZoomEntry zoom, bool objectsMenu)
{
    MainCommands& c = m_window.commands();
    for (QAction* item : {c.CopyCollageToClipboard, c.ToolButtonSave, c.ToolButtonText, c.ToolButtonPrint,
                          c.ToolButtonPhoto, c.menuSaveCollage, c.menuDeleteOrphanedFiles,
                          c.menuSaveCollageAs, c.menuSaveGraphic, c.menuPrintCollage})
        setCommandEnabled(item, true);
    c.mainMenuCollage->setEnabled(true);
    c.mainMenuEdit->setEnabled(true);

    if (QAction* entry = zoomEntryAction(c, zoom)) {
        entry->setChecked(true);
    } else if (QAction* checked = c.zoomGroup->checkedAction()) {
        // A zoom without an entry: no entry is checked.
        c.zoomGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        checked->setChecked(false);
        c.zoomGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
    // An empty collage has nothing to list.
    c.mainMenuObjects->setEnabled(objectsMenu);
}

void ProjectWindowAdapter::selectionCommandsEnabled(bool photo, bool text)
{
    MainCommands& c = m_window.commands();
    c.mainMenuPhoto->setEnabled(photo);
    c.mainMenuText->setEnabled(text);
    m_window.EnablePhotoCommands(photo);
}

void ProjectWindowAdapter::objectMenuEntryAdded(int slot, const std::string& caption)
{
    m_window.AddObjectMenuEntry(toQString(caption), slot);
}

// The canvas. The view is sized and scrolled here and repaints through the
// window's hooks; the background and photo rendering follow the renderer
// through the same hooks.

void ProjectWindowAdapter::displayCollage()
{
    m_window.statusPanels()->repaint();
    // The canvas paints now; what the user types waits for the command's end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProjectWindowAdapter::resetView()
{
    canvas::ScrollBoxCollage* view = m_window.scrollBoxCollage();
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    view->updateSurfaceGeometry();
}

void ProjectWindowAdapter::backgroundRestored(const document::RestoredBackground&)
{
    // The collage's header holds the background; the window's repaint paints
    // what the renderer makes of it.
    m_window.requestCanvasRepaint();
}

void ProjectWindowAdapter::backgroundReset()
{
    m_window.requestCanvasRepaint();
}

void ProjectWindowAdapter::reloadFinished()
{
    const document::Collage& collage = m_window.collage();
    m_window.RefreshObjectMenu(collage.SelIndex);
    m_window.UpdatePhotoMenu();
    m_window.scrollBoxTools()->update();
    if (m_window.hooks().renderAllMarkedPhotos)
        m_window.hooks().renderAllMarkedPhotos();
    m_window.requestCanvasRepaint();
}

void ProjectWindowAdapter::canvasResized()
{
    m_window.scrollBoxCollage()->updateSurfaceGeometry();
    m_window.requestCanvasRepaint();
    if (m_window.hooks().renderAllMarkedPhotos)
        m_window.hooks().renderAllMarkedPhotos();
}

void ProjectWindowAdapter::repaint()
{
    m_window.requestCanvasRepaint();
}

} // namespace quiltara::app
