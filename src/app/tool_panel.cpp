// The tool panel at the left: its picture, the collapse button and the five
// picture buttons.
#include "app/tool_panel.h"

#include "app/command_gate.h"
#include "app/core/folders.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "app/ui/command_boundary.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <stdexcept>

namespace quiltara::app {
namespace {

constexpr int kPanelPictureHeight = 500;
constexpr int kPictureButtonSize = 48;

QIcon panelPicture(const char* name)
{
    return QIcon(QString::fromStdString(programPath(std::string("resources/buttons/") + name + ".png")));
}

} // namespace

PaintBoxTools::PaintBoxTools(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBoxTools"));
    setCursor(Qt::ArrowCursor);
    resize(ScrollBoxTools::kOpenWidth, kPanelPictureHeight);
}

void PaintBoxTools::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    // The surface is as wide as the panel (ScrollBoxTools::setPanelWidth); a
    // collapsed strip shows no picture.
    if (width() <= ScrollBoxTools::kPictureWidthThreshold)
        return;
    const QImage picture(QString::fromStdString(programPath(kToolPanelPicture)), "BMP");
    if (!picture.isNull()) {
        painter.drawImage(0, 0, picture);
        return;
    }
    if (!m_reported && onPictureMissing) {
        m_reported = true;
        onPictureMissing();
    }
}

ScrollBoxTools::ScrollBoxTools(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ScrollBoxTools"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar would cover the picture buttons at the panel's right
    // edge: a low window scrolls the panel with the wheel instead.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    setCursor(Qt::ArrowCursor);
    m_paintBox = new PaintBoxTools(this);
    setWidget(m_paintBox);
    setPanelWidth(kOpenWidth);
}

void ScrollBoxTools::setPanelWidth(int width)
{
    setFixedWidth(width);
    m_paintBox->resize(width, m_paintBox->height());
    m_paintBox->update();
}

void TfrmMain::buildToolPanel()
{
    MainCommands& c = m_commands;
    QWidget* surface = m_scrollBoxTools->paintBox();
    m_scrollBoxTools->paintBox()->onPictureMissing = [this] { toolPanelPictureMissing(); };

    struct PanelButton {
        QToolButton** button;
        QAction** action;
        const char* name;
        const char* hint;
        const char* picture;
        QPoint position;
    };
    const PanelButton buttons[] = {
        {&c.sbPhoto, &c.sbPhotoAction, "sbPhoto", "Add Photo To Collage", "panel_photo", {83, 74}},
        {&c.sbText, &c.sbTextAction, "sbText", "Add Text To Collage", "panel_text", {83, 168}},
        {&c.sbPalette, &c.sbPaletteAction, "sbPalette", "Backgrounds and Colors", "panel_palette", {83, 265}},
        {&c.sbAutoCollage,
         &c.sbAutoCollageAction,
         "sbAutoCollage",
         "Automatic Collage",
         "panel_auto",
         {83, 353}},
        {&c.sbFullScreen,
         &c.sbFullScreenAction,
         "sbFullScreen",
         "Preview Collage in Full Screen Mode",
         "panel_fullscreen",
         {83, 440}},
    };
    for (const PanelButton& b : buttons) {
        auto* action = new QAction(panelPicture(b.picture), QString::fromUtf8(b.hint), this);
        action->setObjectName(QString::fromUtf8(b.name) + QStringLiteral("Action"));
        action->setToolTip(QString::fromUtf8(b.hint));
        auto* button = new QToolButton(surface);
        button->setObjectName(QString::fromUtf8(b.name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setIconSize(QSize(kPictureButtonSize - 8, kPictureButtonSize - 8));
        button->setGeometry(QRect(b.position, QSize(kPictureButtonSize, kPictureButtonSize)));
        button->setCursor(Qt::ArrowCursor);
        *b.button = button;
        *b.action = action;
    }

    c.sbToolbarAction = new QAction(panelPicture("shrink"), QString::fromUtf8(texts::kHidePanel), this);
    c.sbToolbarAction->setObjectName(QStringLiteral("sbToolbarAction"));
    c.sbToolbar = new QToolButton(surface);
    c.sbToolbar->setObjectName(QStringLiteral("sbToolbar"));
    c.sbToolbar->setDefaultAction(c.sbToolbarAction);
    c.sbToolbar->setAutoRaise(true);
    c.sbToolbar->setIconSize(QSize(12, 14));
    c.sbToolbar->setGeometry(124, 8, 14, 16);
    c.sbToolbar->setCursor(Qt::ArrowCursor);
}

void TfrmMain::setToolPanelOpen(bool open)
{
    MainCommands& c = m_commands;
    m_scrollBoxTools->setPanelWidth(open ? ScrollBoxTools::kOpenWidth : ScrollBoxTools::kCollapsedWidth);
    c.sbToolbar->move(open ? 124 : 0, 8);
    c.sbToolbarAction->setIcon(panelPicture(open ? "shrink" : "expand"));
    const QString hint = QString::fromUtf8(open ? texts::kHidePanel : texts::kExpandPanel);
    c.sbToolbarAction->setText(hint);
    c.sbToolbarAction->setToolTip(hint);
}

void TfrmMain::toggleToolPanel()
{
    runCommand(this, texts::kErrorWithToolbar, QString::fromUtf8(texts::kErrorWithToolbar), [&] {
        const bool collapsed = m_commands.sbToolbar->x() <= ScrollBoxTools::kPictureWidthThreshold;
        setToolPanelOpen(collapsed);
        requestCanvasRepaint();
    });
}

void TfrmMain::sbToolbarClick()
{
    toggleToolPanel();
}

void TfrmMain::menuShowToolPanelClick()
{
    // The item is checkable: Qt has already toggled its check mark; the
    // panel follows the button's rule, not the mark.
    toggleToolPanel();
}

void TfrmMain::sbPaletteClick()
{
    if (!m_paletteWindow)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    const int left = screenWidth - m_paletteWindow->width() - (m_metrics.borderWidth + m_metrics.frameWidth) -
                     m_metrics.scrollBarHeight;
    m_paletteWindow->move(left, m_metrics.menuHeight);
    m_paletteWindow->show();
    m_paletteWindow->raise();
}

void TfrmMain::toolPanelPictureMissing()
{
    // Reported from the panel's paint: show the box once painting is over.
    QTimer::singleShot(0, this, [this] {
        prompter().message(this, BoxKind::Error, QString::fromUtf8(texts::kWrongDirectory));
        close();
    });
}

} // namespace quiltara::app
