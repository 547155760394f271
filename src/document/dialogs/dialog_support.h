#pragma once

#include <QString>

#include <string>
#include <string_view>

class QDialog;
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

// The help page of that name, in the desktop's browser.
void openHelpPage(std::string_view page);

} // namespace quiltara::document
