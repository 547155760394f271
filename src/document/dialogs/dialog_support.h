#pragma once

#include <QString>

#include <string>
#include <string_view>

#include <functional>

class QDialog;
class QDialogButtonBox;
class QLineEdit;

namespace quiltara::document {

// What the two size dialogs share.

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

// Shows text in an edit unless it shows it already (so that the cursor
// stays where the user left it).
void showText(QLineEdit* edit, std::string_view text);

// The dialog has a caption but no close box, and opens centred on the screen.
void prepareDialogWindow(QDialog* dialog, const QString& caption);
void centreOnScreen(QDialog* dialog);

// OK (which runs ok), Cancel (which rejects the dialog) and Help (which
// opens the help page), named btnOK, btnCancel and btnHelp.
QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, std::function<void()> ok, std::string_view helpPage);

// The help page of that name, in the desktop's browser.
void openHelpPage(std::string_view page);

} // namespace quiltara::document
