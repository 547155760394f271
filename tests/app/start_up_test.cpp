#include "app/command_gate.h"
#include "app/control_bar.h"
#include "app/core/action_log.h"
#include "app/dialogs/about_window.h"
#include "app/dialogs/welcome_dialog.h"
#include "app/tool_panel.h"
#include "canvas/collage_view.h"
#include "imaging/pixel_format.h"
#include "window_test_support.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace quiltara::app::testing {
namespace {

StartOptions display(int bitsPerPixel)
{
    StartOptions options;
    options.displayBitsPerPixel = bitsPerPixel;
    return options;
}

StartOptions withArgument(const char* argument)
{
    StartOptions options;
    options.arguments = QStringList{QString::fromUtf8(argument)};
    return options;
}

TEST_F(WindowTest, FirstStartWithoutSettingsFileUsesTheDefaults)
{
    TfrmMain& window = start();
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window.toolBarsShowCaptions());
    EXPECT_TRUE(window.commands().menuShowAllButtons->isChecked());
    EXPECT_EQ(window.scrollBoxTools()->width(), 140);
    EXPECT_EQ(window.settings().misc.jpegCompression, 90);
    EXPECT_TRUE(window.settings().misc.splashScreen);
    EXPECT_EQ(window.settings().folders.photoOpen, PicturesFolder());
    EXPECT_EQ(window.settings().folders.photoSave, PicturesFolder());
    EXPECT_EQ(window.DrawTimer()->interval(), 30);
    // The empty collage.
    const document::Collage& collage = window.collage();
    EXPECT_EQ(collage.CanvasWidth, 1600);
    EXPECT_EQ(collage.CanvasHeight, 1200);
    EXPECT_EQ(collage.Zoom, 1.0f);
    EXPECT_EQ(collage.FillType, 0);
    EXPECT_EQ(collage.Background.CurrentColor, document::kWhite);
    EXPECT_EQ(collage.NumSlots, 0);
    // The workspace tree.
    for (const std::string& folder : {WorkspaceRoot(), CollagesFolder(), DataFolder(), TempDataFolder(),
                                      joinPath(TempDataFolder(), "Textures")})
        EXPECT_TRUE(FolderExistsQuiet(folder)) << folder;
    const std::string log = readFile(m_folder / "actions.log");
    EXPECT_NE(log.find("FormCreate                     | START "), std::string::npos);
    EXPECT_NE(log.find("Initialize                     | \n"), std::string::npos);
}

TEST_F(WindowTest, StoredLayoutIsRestoredAndWrittenBackAtExit)
{
    writeConfig("[Desktop]\nLeft=40\nTop=30\nWidth=900\nHeight=700\n"
                "[ToolBar1]\nButtonHeight=60\nButtonWidth=45\nShowCaptions=1\n"
                "[VertToolBar]\nVisible=0\n[Settings]\nFast Rubberband=1\n");
    {
        TfrmMain& window = start();
        EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(window.size(), QSize(900, 700));
        EXPECT_EQ(window.mainToolBarButtonSize(), QSize(60, 45));
        EXPECT_EQ(window.scrollBoxTools()->width(), 13);
        EXPECT_EQ(window.commands().sbToolbar->toolTip(), "Expand Panel");
        EXPECT_FALSE(window.commands().menuShowToolPanel->isChecked());
        EXPECT_EQ(window.DrawTimer()->interval(), 100);
        window.close();
    }
    const std::string text = config();
    const auto bar1 = text.find("[ToolBar1]");
    ASSERT_NE(bar1, std::string::npos);
    const std::string toolBar1 = text.substr(bar1, text.find("\n\n", bar1) - bar1);
    for (const char* key :
         {"\nLeft=0", "\nTop=0", "\nButtonHeight=60", "\nButtonWidth=45", "\nShowCaptions=1"})
        EXPECT_NE(toolBar1.find(key), std::string::npos) << key << " in " << toolBar1;
    EXPECT_NE(text.find("[VertToolBar]\nVisible=0\n"), std::string::npos);
    EXPECT_NE(text.find("Width=900\nHeight=700\n"), std::string::npos);
    EXPECT_NE(text.find("[CollageZoomToolbar]\nLeft=0\nTop=0\n"), std::string::npos);
    EXPECT_NE(readFile(m_folder / "actions.log").find("SaveDesktopSettings"), std::string::npos);

    TfrmMain& again = start();
    EXPECT_EQ(again.mainToolBarButtonSize(), QSize(60, 45));
}

TEST_F(WindowTest, ResizedMainToolBarButtonsSurviveARestart)
{
    writeConfig("");
    {
        TfrmMain& window = start();
        window.setMainToolBarButtonSize(60, 45);
        window.close();
    }
    const std::string text = config();
    const auto section = text.find("[ToolBar1]");
    ASSERT_NE(section, std::string::npos);
    EXPECT_NE(text.find("ButtonHeight=60", section), std::string::npos);
    EXPECT_NE(text.find("ButtonWidth=45", section), std::string::npos);
    EXPECT_EQ(start().mainToolBarButtonSize(), QSize(60, 45));
}

TEST_F(WindowTest, ColourNoteIsShownOnceOnADisplayOfLessThan32Bits)
{
    writeConfig("");
    start(display(16));
    ASSERT_EQ(m_prompter.messages.size(), 1u);
    EXPECT_EQ(m_prompter.messages[0].kind, BoxKind::Information);
    EXPECT_EQ(m_prompter.messages[0].text,
              "Note: For optimal performance a video card with 32-bit color  is recommended");
    EXPECT_NE(config().find("[VideoDriver]\nCheckVideo=1"), std::string::npos);
    EXPECT_EQ(imaging::workingBytesPerPixel(), 4);

    start(display(16));
    EXPECT_EQ(m_prompter.messages.size(), 1u); // silent from now on

    start(display(24));
    EXPECT_EQ(imaging::workingBytesPerPixel(), 3);
    start(display(32));
    EXPECT_EQ(imaging::workingBytesPerPixel(), 4);
    EXPECT_EQ(m_prompter.messages.size(), 1u);
}

TEST_F(WindowTest, WrongStartFolderIsReportedWhenThePanelPaintsAndTheProgramCloses)
{
    fs::remove(m_folder / "resources");
    writeConfig("");
    TfrmMain& window = start();
    window.show();
    ASSERT_TRUE(waitFor([&] { return !m_prompter.messages.empty(); }));
    EXPECT_EQ(m_prompter.messages[0].text,
              "You seem to be running Quiltara from the wrong directory.\n"
              "Please run from the installation folder or reinstall if necessary");
    EXPECT_TRUE(waitFor([&] { return !window.isVisible(); }));
    EXPECT_EQ(m_prompter.messages.size(), 1u);
    EXPECT_NE(readFile(m_folder / "actions.log").find("FormClose"), std::string::npos); // closing steps ran
}

TEST_F(WindowTest, WelcomeOffersOnlyWhatExistsAndExitEndsTheProgram)
{
    writeConfig("");
    TfrmMain& window = start();
    bool newEnabled = true;
    bool openEnabled = true;
    bool noCloseBox = false;
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) {
        EXPECT_EQ(welcome->windowTitle(), "Welcome");
        EXPECT_TRUE(window.WelcomeShowing);
        newEnabled = welcome->btnNewCollage()->isEnabled();
        openEnabled = welcome->btnOpenCollage()->isEnabled();
        noCloseBox = !(welcome->windowFlags() & Qt::WindowCloseButtonHint);
        welcome->close(); // refused: only the buttons end it
        EXPECT_TRUE(welcome->isVisible());
        welcome->btnExit()->click();
    });
    window.show();
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_FALSE(newEnabled);
    EXPECT_FALSE(openEnabled);
    EXPECT_TRUE(noCloseBox);
    EXPECT_FALSE(config().empty()); // the closing steps wrote the settings
}

TEST_F(WindowTest, CommandLineCollageIsOpenedBeforeTheWelcomeDialog)
{
    writeConfig("");
    TfrmMain& window = start(withArgument("/tmp/Beach.CLG"));
    std::vector<std::string> events;
    window.hooks().openCollageFile = [&](const std::string& path) {
        events.push_back("open " + path);
        return true;
    };
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) {
        events.push_back("welcome");
        welcome->btnExit()->click();
    });
    window.show();
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_EQ(events, (std::vector<std::string>{"open /tmp/Beach.CLG", "welcome"}));
}

TEST_F(WindowTest, CommandLineCollageIsLoggedWhileOpeningDoesNotExist)
{
    writeConfig("");
    TfrmMain& window = start(withArgument("/tmp/Beach.CLG"));
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) { welcome->btnExit()->click(); });
    window.show();
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_NE(readFile(m_folder / "actions.log").find("/tmp/Beach.CLG"), std::string::npos);
}

TEST_F(WindowTest, WelcomeOpenHidesTheDialogAndShowsItAgainWhenOpeningFails)
{
    writeConfig("");
    TfrmMain& window = start();
    int attempts = 0;
    bool hiddenWhileOpening = false;
    window.hooks().openCollageFile = [&](const std::string& path) {
        hiddenWhileOpening = !window.findChild<TfrmWelcome*>()->isVisible();
        EXPECT_EQ(window.statusText(7), "Status: Opening Collage ... ");
        EXPECT_EQ(path, "/tmp/x.CLG");
        return ++attempts == 2;
    };
    bool rendered = false;
    window.hooks().renderAllMarkedPhotos = [&] { rendered = true; };
    m_prompter.openAnswer = "/tmp/x.CLG";
    window.collage().CollageModified = true;
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) {
        welcome->btnOpenCollage()->click(); // fails: the dialog comes back
        EXPECT_TRUE(welcome->isVisible());
        welcome->btnOpenCollage()->click();
    });
    window.show();
    ASSERT_TRUE(waitFor([&] { return attempts == 2 && window.Timer1()->interval() == 200; }, 5000));
    EXPECT_TRUE(hiddenWhileOpening);
    EXPECT_TRUE(rendered);
    EXPECT_FALSE(window.collage().CollageModified);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(WindowTest, AfterTheWelcomeTheTimerKeepsTheMinimumWindowSize)
{
    writeConfig("[Desktop]\nLeft=10\nTop=10\nWidth=800\nHeight=600\n");
    TfrmMain& window = start();
    window.hooks().newCollage = [] { return true; };
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) { welcome->btnNewCollage()->click(); });
    window.show();
    ASSERT_TRUE(
        waitFor([&] { return window.Timer1()->interval() == 200 && window.Timer1()->isActive(); }, 5000));
    window.resize(500, 300);
    ASSERT_TRUE(waitFor([&] { return window.width() >= 640 && window.height() >= 480; }, 1000));
    // The status bar's fixed panels may keep the window wider than 640.
    EXPECT_EQ(window.height(), 480);
    EXPECT_GE(window.width(), 640);

    // A grown view is redrawn on the next tick.
    int repaints = 0;
    window.hooks().repaintBackgroundAndCanvas = [&] { ++repaints; };
    window.WindowGrown = true;
    ASSERT_TRUE(waitFor([&] { return !window.WindowGrown; }, 1000));
    EXPECT_EQ(repaints, 1);
}

TEST_F(WindowTest, ClosingAsksToSaveAndStaysOpenWhenCancelled)
{
    writeConfig("");
    TfrmMain& window = start();
    window.show();
    bool allow = false;
    int asked = 0;
    window.hooks().saveIfModified = [&] {
        ++asked;
        return allow;
    };
    window.commands().Exit1->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(asked, 1);
    allow = true;
    window.commands().Exit1->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(ActionLogOpen());
}

TEST_F(WindowTest, SplashScreenClosesItselfAfterThreeSeconds)
{
    TfrmAbout splash;
    EXPECT_TRUE(splash.Timer1()->isActive());
    EXPECT_EQ(splash.Timer1()->interval(), 3000);
    EXPECT_EQ(splash.lblVersion()->text(), "Version. 3.00 Rel B  [Release Date: Aug 2008]");
    EXPECT_EQ(splash.lblVersion()->y(), 440);
    EXPECT_EQ(splash.lblVersion()->x(), (610 - splash.lblVersion()->width()) / 2);
    EXPECT_FALSE(splash.lblAppName()->isVisible());
    splash.show();
    EXPECT_TRUE(splash.pictureLoaded());
    EXPECT_EQ(splash.size(), QSize(610, 500));
    QMetaObject::invokeMethod(splash.Timer1(), "timeout");
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(WindowTest, AboutStaysUntilClicked)
{
    writeConfig("");
    TfrmMain& window = start();
    bool timerStopped = false;
    whenShown<TfrmAbout>([&](TfrmAbout* about) {
        timerStopped = !about->Timer1()->isActive();
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(about->Image1(), &click);
    });
    window.commands().menuAbout->trigger();
    EXPECT_TRUE(timerStopped);
    EXPECT_TRUE(m_prompter.messages.empty());
}

TEST_F(WindowTest, MissingSplashPictureClosesTheProgram)
{
    fs::remove(m_folder / "Resources");
    writeConfig("");
    TfrmMain& window = start();
    window.show();
    window.commands().menuAbout->trigger();
    ASSERT_EQ(m_prompter.messages.size(), 1u);
    EXPECT_EQ(m_prompter.messages[0].text, "Please run Quiltara from the installation directory");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quiltara::app::testing
