#include "app/main_window.h"

#include "app/command_gate.h"
#include "app/control_bar.h"
#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "app/status_bar.h"
#include "app/texts.h"
#include "app/tool_panel.h"
#include "canvas/collage_view.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

namespace quiltara::app {

TfrmMain::TfrmMain(StartOptions options, QWidget* parent) : QMainWindow(parent), m_options(std::move(options))
{
    setObjectName(QStringLiteral("frmMain"));
    m_collage.Observer = this;
    buildWindow();

    readStartSettings();
    initializeLayout();
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // A window destroyed without being closed (tests, a failed start) still
    // releases the document; the log is left to whoever opened it.
    m_collage.Observer = nullptr;
}

void TfrmMain::buildWindow()
{
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    m_drawTimer = new QTimer(this);
    m_drawTimer->setObjectName(QStringLiteral("DrawTimer"));

    buildMenus();
    buildCollagePopup();
    buildObjectPopup();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_controlBar = new ControlBar(client);
    column->addWidget(m_controlBar);
    buildToolBars();

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_scrollBoxTools = new ScrollBoxTools(client);
    row->addWidget(m_scrollBoxTools);
    buildToolPanel();
    m_scrollBoxCollage = new canvas::ScrollBoxCollage(m_collage, client);
    row->addWidget(m_scrollBoxCollage, 1);
    column->addLayout(row, 1);
    setCentralWidget(client);

    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);

    wireOwnCommands();
    applyStartStates();
}

std::string TfrmMain::settingsPath() const
{
    return joinPath(ProgramFolder(), kSettingsFileName);
}

void TfrmMain::requestCanvasRepaint()
{
    if (m_hooks.repaintBackgroundAndCanvas)
        m_hooks.repaintBackgroundAndCanvas();
    else
        m_scrollBoxCollage->paintBox()->update();
}

void TfrmMain::setPaletteWindow(QWidget* palette)
{
    m_paletteWindow = palette;
    if (palette)
        markCommandWired(m_commands.sbPaletteAction);
}

void TfrmMain::UpdateCaption(const std::string& fileName)
{
    const float zoom = m_collage.Zoom;
    QString zoomText = QStringLiteral("  ");
    if (zoom == 1.0f)
        zoomText = QStringLiteral("  [Zoom 100%]");
    else if (zoom >= 0.759f && zoom <= 0.761f)
        zoomText = QStringLiteral("  [Zoom 75%]");
    else if (zoom >= 0.399f && zoom <= 0.401f)
        zoomText = QStringLiteral("  [Zoom 40%]");
    else if (zoom == 0.5f)
        zoomText = QStringLiteral("  [Zoom 50%]");
    else if (zoom == 0.25f)
        zoomText = QStringLiteral("  [Zoom 25%]");
    setWindowTitle(QString::fromUtf8(texts::kApplicationTitle) + QStringLiteral("  - [") +
                   QString::fromStdString(fileNamePart(fileName)) + QStringLiteral("] - ") +
                   QString::number(m_collage.CanvasWidth) + QStringLiteral(" X ") +
                   QString::number(m_collage.CanvasHeight) + zoomText);
}

void TfrmMain::setStatusText(int panel, const QString& text)
{
    m_statusBar->setPanelText(panel, text);
}

QString TfrmMain::statusText(int panel) const
{
    return m_statusBar->panelText(panel);
}

void TfrmMain::objectsMenuEnabled()
{
    m_commands.mainMenuObjects->setEnabled(true);
}

void TfrmMain::objectMenuEntryRemoved(int slot)
{
    RemoveObjectMenuEntry(slot);
}

void TfrmMain::areaToRedraw(const document::Rect32& collageRect)
{
    if (m_hooks.redrawArea)
        m_hooks.redrawArea(collageRect);
    else
        m_scrollBoxCollage->paintBox()->update();
}

void TfrmMain::scratchBitmapsReleased()
{
    if (m_hooks.releaseScratchBitmaps)
        m_hooks.releaseScratchBitmaps();
}

} // namespace quiltara::app
