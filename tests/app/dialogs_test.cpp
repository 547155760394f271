#include "app/dialogs/settings_dialog.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace quiltara::app::testing {
namespace {

TEST(SettingsDialog, ShowsTheSettingsWithTheInvertedBoxes)
{
    TfrmSettings dialog;
    EXPECT_EQ(dialog.windowTitle(), "Miscellaneous Settings");
    dialog.load({.jpegCompression = 75,
                 .splashScreen = false,
                 .resamplePreview = true,
                 .shrinkEmail = false,
                 .fastRubberband = true});
    EXPECT_EQ(dialog.edQuality()->text(), "75");
    EXPECT_TRUE(dialog.cbHideSplash()->isChecked());
    EXPECT_FALSE(dialog.cbQuickPreview()->isChecked());
    EXPECT_FALSE(dialog.cbShrinkEmail()->isChecked());
    EXPECT_TRUE(dialog.cbFastRubberband()->isChecked());
    EXPECT_EQ(dialog.cbQuickPreview()->text(), "Enable Quick Preview in Full-Screen Mode  (No resampling)");
    EXPECT_EQ(dialog.cbShrinkEmail()->text(), "Send a smaller vesion of collage when sending email");
    EXPECT_EQ(dialog.cbFastRubberband()->text(), "Repaint canvas less frequently (for slow machines)");

    const MiscSettings saved = dialog.settings();
    EXPECT_EQ(saved.jpegCompression, 75);
    EXPECT_FALSE(saved.splashScreen);
    EXPECT_TRUE(saved.resamplePreview);
    EXPECT_TRUE(saved.increaseAutoCollageLimit);
}

TEST(SettingsDialog, QualityEditTakesThreeDigitsOrDotsAndTheRuleGivesHundred)
{
    TfrmSettings dialog;
    QLineEdit* edit = dialog.edQuality();
    edit->clear();
    QTest::keyClicks(edit, "a1-5x0.7");
    EXPECT_EQ(edit->text(), "150"); // letters and '-' dropped, three characters at most
    EXPECT_EQ(dialog.settings().jpegCompression, 100);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "15");
    EXPECT_EQ(dialog.settings().jpegCompression, 15);
    edit->clear();
    EXPECT_EQ(dialog.settings().jpegCompression, 100);
    edit->setText("9.5");
    EXPECT_EQ(dialog.settings().jpegCompression, 100);
}

TEST_F(WindowTest, SavingSettingsStoresThemAndSetsTheRepaintPeriod)
{
    writeConfig("[Settings]\nFast Rubberband=0\n");
    TfrmMain& window = start();
    EXPECT_EQ(window.DrawTimer()->interval(), 30);
    whenShown<TfrmSettings>([](TfrmSettings* dialog) {
        dialog->edQuality()->setText("150");
        dialog->cbFastRubberband()->setChecked(true);
        dialog->btnSave()->click();
    });
    window.commands().menuSettings->trigger();
    EXPECT_EQ(window.DrawTimer()->interval(), 300);
    EXPECT_EQ(window.settings().misc.jpegCompression, 100);
    const std::string text = config();
    EXPECT_NE(text.find("JPEG Compression=100"), std::string::npos) << text;
    EXPECT_NE(text.find("Fast Rubberband=1"), std::string::npos);
    EXPECT_NE(text.find("Increase Auto Collage Limit=1"), std::string::npos);

    whenShown<TfrmSettings>([](TfrmSettings* dialog) {
        dialog->cbFastRubberband()->setChecked(false);
        dialog->btnSave()->click();
    });
    window.commands().menuSettings->trigger();
    EXPECT_EQ(window.DrawTimer()->interval(), 50);

    // Cancel writes nothing.
    const std::string before = config();
    whenShown<TfrmSettings>([](TfrmSettings* dialog) {
        dialog->edQuality()->setText("5");
        dialog->btnCancel()->click();
    });
    window.commands().menuSettings->trigger();
    EXPECT_EQ(config(), before);
    EXPECT_EQ(window.settings().misc.jpegCompression, 100);
}

// Collects the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(WindowTest, HelpCommandsOpenThePagesBesideTheProgram)
{
    writeConfig("");
    TfrmMain& window = start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    window.commands().WhatsNew1->trigger();
    window.commands().menuHelpSystem->trigger();
    window.commands().menuVisitWebsite->trigger();
    whenShown<TfrmSettings>([](TfrmSettings* dialog) {
        dialog->btnHelp()->click();
        dialog->btnCancel()->click();
    });
    window.commands().menuSettings->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    ASSERT_EQ(catcher.urls.size(), 4);
    EXPECT_EQ(catcher.urls[0].toLocalFile().toStdString(), (m_folder / "help" / "WhatsNew.htm").string());
    EXPECT_EQ(catcher.urls[1].toLocalFile().toStdString(), (m_folder / "help" / "index.htm").string());
    EXPECT_EQ(catcher.urls[2].scheme(), "https");
    EXPECT_EQ(catcher.urls[3].toLocalFile().toStdString(), (m_folder / "help" / "Settings.htm").string());
}

TEST(HelpPages, EveryNamedPageExistsBesideTheProgram)
{
    for (const char* page :
         {"index",         "NewCollage", "CanvasResize", "Settings",     "Print",         "CropVersusStretch",
          "Masks",         "CustomMask", "Shadow",       "Halo",         "Border",        "Transparency",
          "Rotation",      "Stamps",     "TextDialog",   "OrnateFrames", "LayoutManager", "AutoCollage",
          "CropDialogBox", "WhatsNew"})
        EXPECT_TRUE(fs::exists(fs::path(QUILTARA_PROGRAM_DIR) / "help" / (std::string(page) + ".htm")))
            << page;
}

} // namespace
} // namespace quiltara::app::testing

#include "dialogs_test.moc"
