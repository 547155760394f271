#include "document/dialogs/dialog_support.h"

#include "app/core/folders.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
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

QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, std::function<void()> ok, std::string_view helpPage)
{
    auto* buttons = new QDialogButtonBox;
    auto* okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("btnOK"));
    okButton->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("btnHelp"));
    QObject::connect(okButton, &QPushButton::clicked, dialog, std::move(ok));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog,
                     [page = std::string(helpPage)] { openHelpPage(page); });
    return buttons;
}

void openHelpPage(std::string_view page)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(app::helpPagePath(page))));
}

} // namespace quiltara::document
