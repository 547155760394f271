// The "Main Toolbar" and the "Photo Toolbar" in the band, their buttons,
// captions and button sizes.
#include "app/command_gate.h"
#include "app/control_bar.h"
#include "app/core/folders.h"
#include "app/main_window.h"

#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace quiltara::app {
namespace {

// Tool-button pictures live in resources/buttons/ of the program folder.
QIcon buttonPicture(const char* name)
{
    return QIcon(QString::fromStdString(programPath(std::string("resources/buttons/") + name + ".png")));
}

QAction* addButton(QToolBar* bar, const char* name, const char* caption, const char* hint,
                   const char* picture)
{
    QAction* action = bar->addAction(buttonPicture(picture), QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    action->setToolTip(QString::fromUtf8(hint));
    return action;
}

QToolBar* makeBar(QWidget* parent, const char* name, const char* caption)
{
    auto* bar = new QToolBar(QString::fromUtf8(caption), parent);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setMovable(false); // the band moves it, by its grip
    bar->setFloatable(false);
    bar->setCursor(Qt::ArrowCursor);
    bar->setContentsMargins(0, 0, 0, 0);
    if (bar->layout()) {
        bar->layout()->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setSpacing(0);
    }
    QFont font = bar->font();
    font.setPointSize(7);
    bar->setFont(font);
    return bar;
}

// Buttons with captions are 50 x 40 after the View menu's toggle, without
// captions 20 x 20.
constexpr int kCaptionButtonWidth = 50;
constexpr int kCaptionButtonHeight = 40;
constexpr int kPlainButtonSize = 20;

} // namespace

void TfrmMain::buildToolBars()
{
    MainCommands& c = m_commands;
    QToolBar* main = c.ToolBarMain = makeBar(m_controlBar, "ToolBarMain", "Main Toolbar");
    c.ToolButtonNew = addButton(main, "ToolButtonNew", "New", "New Collage", "new");
    c.ToolButtonOpen = addButton(main, "ToolButtonOpen", "Open", "Open Collage", "open");
    c.ToolButtonSave = addButton(main, "ToolButtonSave", "Save", "Save Collage", "save");
    c.ToolButtonPrint = addButton(main, "ToolButtonPrint", "Print", "Print Collage", "print");
    main->addSeparator();
    c.ToolButtonPreview =
        addButton(main, "ToolButtonPreview", "Preview", "Preview Collage in Full Screen Mode", "preview");
    c.ToolButtonLayout = addButton(main, "ToolButtonLayout", "Layout", "Collage Layout Manager", "layout");
    c.ToolButtonPhoto = addButton(main, "ToolButtonPhoto", "Photo", "Add a photo to the collage", "photo");
    if (auto* photo = qobject_cast<QToolButton*>(main->widgetForAction(c.ToolButtonPhoto))) {
        photo->setMenu(c.popupAddPhoto);
        photo->setPopupMode(QToolButton::MenuButtonPopup);
    }
    c.ToolButtonText = addButton(main, "ToolButtonText", "Add Text", "Add text to the collage", "text");
    c.ToolButtonStamp = addButton(main, "ToolButtonStamp", "Stamp", "Apply Rubber Stamps", "stamp");
    c.ToolButtonAuto = addButton(main, "ToolButtonAuto", "Auto", "Auto-Collage", "auto");

    QToolBar* ops = c.ToolBarOps = makeBar(m_controlBar, "ToolBarOps", "Photo Toolbar");
    c.ToolButtonShadow = addButton(ops, "ToolButtonShadow", "Shadow", "Drop Shadow", "shadow");
    c.ToolButtonGrayscale =
        addButton(ops, "ToolButtonGrayscale", "Grayscale", "Toggle Grayscale Effect", "grayscale");
    c.ToolButtonMask = addButton(ops, "ToolButtonMask", "Mask", "Apply Mask", "mask");
    c.ToolButtonFrame = addButton(ops, "ToolButtonFrame", "Frame", "Ornate Frame", "frame");
    c.ToolButtonColorize = addButton(ops, "ToolButtonColorize", "Colorize", "Colorize Photo", "colorize");
    c.ToolButtonBrightness =
        addButton(ops, "ToolButtonBrightness", "Brightness", "Brightness/Contrast Level", "brightness");
    c.ToolButtonRotate = addButton(ops, "ToolButtonRotate", "Rotate", "Free Rotation", "rotate");
    c.ToolButtonCrop = addButton(ops, "ToolButtonCrop", "Crop", "Crop Photo", "crop");
    c.ToolButtonDelete = addButton(ops, "ToolButtonDelete", "Delete", "Delete Selected Object", "delete");

    const Settings defaults;
    sizeToolBarButtons(main, defaults.toolBar1.buttonWidth, defaults.toolBar1.buttonHeight, true);
    sizeToolBarButtons(ops, defaults.toolBar2.buttonWidth, defaults.toolBar2.buttonHeight, true);
    m_controlBar->addBar(main, {defaults.toolBar1.left, defaults.toolBar1.top});
    m_controlBar->addBar(ops, {defaults.toolBar2.left, defaults.toolBar2.top});
}

void TfrmMain::sizeToolBarButtons(QToolBar* bar, int width, int height, bool captions)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    bar->setToolButtonStyle(captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    const int icon =
        captions ? std::min({20, width - 4, height - 16}) : std::min({16, width - 4, height - 4});
    bar->setIconSize(QSize(std::max(icon, 8), std::max(icon, 8)));
    for (QAction* action : bar->actions())
        if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator())
            button->setFixedSize(width, height);
    bar->setProperty("quiltaraButtonSize", QSize(width, height));
    bar->setProperty("quiltaraCaptions", captions);
    if (m_controlBar && bar->parentWidget() != m_controlBar)
        m_controlBar->fitBar(bar);
}

void TfrmMain::setMainToolBarButtonSize(int width, int height)
{
    sizeToolBarButtons(m_commands.ToolBarMain, width, height, toolBarsShowCaptions());
}

QSize TfrmMain::mainToolBarButtonSize() const
{
    return m_commands.ToolBarMain->property("quiltaraButtonSize").toSize();
}

QSize TfrmMain::photoToolBarButtonSize() const
{
    return m_commands.ToolBarOps->property("quiltaraButtonSize").toSize();
}

bool TfrmMain::toolBarsShowCaptions() const
{
    return m_commands.ToolBarMain->property("quiltaraCaptions").toBool();
}

void TfrmMain::setToolBarCaptions(bool captions)
{
    MainCommands& c = m_commands;
    const int width = captions ? kCaptionButtonWidth : kPlainButtonSize;
    const int height = captions ? kCaptionButtonHeight : kPlainButtonSize;
    sizeToolBarButtons(c.ToolBarMain, width, height, captions);
    sizeToolBarButtons(c.ToolBarOps, width, height, captions);
    const QPoint main = m_controlBar->barPosition(c.ToolBarMain);
    const QPoint ops = m_controlBar->barPosition(c.ToolBarOps);
    if (!captions && ops.y() == main.y())
        m_controlBar->moveBar(c.ToolBarOps, {m_controlBar->barRight(c.ToolBarMain), ops.y()});
    else
        m_controlBar->keepApart(c.ToolBarOps);
}

void TfrmMain::menuShowButtonCaptionsClick()
{
    QAction* item = m_commands.menuShowButtonCaptions;
    // The item is checkable: Qt has already toggled its check mark.
    setToolBarCaptions(item->isChecked());
}

void TfrmMain::menuShowAllButtonsClick()
{
    const bool shown = m_commands.menuShowAllButtons->isChecked();
    m_controlBar->setVisible(shown);
    setCommandEnabled(m_commands.menuShowButtonCaptions, shown);
}

} // namespace quiltara::app
