#include "document/dialogs/dialog_support.h"

#include "app/core/folders.h"

#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QUrl>

namespace quiltara::document {

void showText(QLineEdit* edit, std::string_view text)
{
    const QString shown = toQString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void prepareDialogWindow(QDialog* dialog, const QString& caption)
{
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setModal(true);
}

void centreOnScreen(QDialog* dialog)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

void openHelpPage(std::string_view page)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(app::helpPagePath(page))));
}

} // namespace quiltara::document
