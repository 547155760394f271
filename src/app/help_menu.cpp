// The Help menu, the help pages, the About window and the settings dialog.
#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "app/dialogs/about_window.h"
#include "app/dialogs/settings_dialog.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "app/ui/prompter.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace quiltara::app {

void TfrmMain::ShowHelp(const QString& page)
{
    // A missing page is the browser's business, as it always was the help
    // viewer's.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(helpPagePath(page.toStdString()))));
}

void TfrmMain::WhatsNew1Click()
{
    ShowHelp(QStringLiteral("WhatsNew"));
}

void TfrmMain::menuHelpSystemClick()
{
    // The help's start page.
    ShowHelp(QStringLiteral("index"));
}

void TfrmMain::menuVisitWebsiteClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(texts::kWebsite)));
}

void TfrmMain::menuAboutClick()
{
    TfrmAbout about(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        about.move(area.width() / 2 - about.width() / 2, area.height() / 2 - about.height() / 2);
    }
    about.Timer1()->stop();
    about.exec();
    if (!about.pictureLoaded()) {
        prompter().message(this, BoxKind::Error, QString::fromUtf8(texts::kRunFromInstallationDirectory));
        close();
    }
}

void TfrmMain::menuSettingsClick()
{
    const auto saved =
        TfrmSettings::edit(this, m_settings.misc, [this] { ShowHelp(QStringLiteral("Settings")); });
    if (!saved)
        return;
    WriteMiscSettings(settingsPath(), *saved);
    m_settings.misc = *saved;
    DrawTimer()->setInterval(repaintPeriodAfterSave(saved->fastRubberband));
}

} // namespace quiltara::app
