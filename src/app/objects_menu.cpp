// The "&Objects" menu: one entry per live object, its slot as the entry's
// data, the selected object's entry checked.
#include "app/main_window.h"

#include <QAction>
#include <QMenu>

namespace quiltara::app {
namespace {

// Menu texts take '&' as a mnemonic marker; a file name's own '&' must show.
QString menuText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

const document::ScreenObject* recordIn(const document::Collage& collage, int slot)
{
    if (slot < 0 || slot >= document::kMaxObjects)
        return nullptr;
    return collage.Objects[static_cast<std::size_t>(slot)].get();
}

} // namespace

QAction* TfrmMain::objectMenuEntry(int slot) const
{
    for (QAction* entry : m_commands.mainMenuObjects->actions())
        if (entry->data().toInt() == slot)
            return entry;
    return nullptr;
}

void TfrmMain::AddObjectMenuEntry(const QString& caption, int slot)
{
    const document::ScreenObject* object = recordIn(m_collage, slot);
    const int zOrder = object ? object->ZOrder : -1;
    QAction* entry =
        m_commands.mainMenuObjects->addAction(menuText(caption.toStdString()) + QStringLiteral(" (Layer ") +
                                              QString::number(zOrder) + QStringLiteral(")"));
    entry->setData(slot);
    entry->setCheckable(true);
    entry->setEnabled(static_cast<bool>(m_hooks.objectMenuCommand));
    connect(entry, &QAction::triggered, this, [this, slot] {
        if (m_hooks.objectMenuCommand)
            m_hooks.objectMenuCommand(slot);
    });
}

void TfrmMain::RemoveObjectMenuEntry(int slot)
{
    for (QAction* entry : m_commands.mainMenuObjects->actions())
        if (entry->data().toInt() == slot) {
            m_commands.mainMenuObjects->removeAction(entry);
            entry->deleteLater();
        }
}

void TfrmMain::RefreshObjectMenu(int selected)
{
    for (QAction* entry : m_commands.mainMenuObjects->actions()) {
        const int slot = entry->data().toInt();
        entry->setChecked(slot == selected);
        if (const document::ScreenObject* object = recordIn(m_collage, slot))
            entry->setText(menuText(document::ObjectMenuText(*object)));
        entry->setEnabled(static_cast<bool>(m_hooks.objectMenuCommand));
    }
}

} // namespace quiltara::app
