// The project commands as the main window runs them: the Welcome dialog's
// buttons, the command-line file, the save question on closing, Save and
// Open through the menus, and Canvas Size.
#include "app/command_gate.h"
#include "app/core/action_log.h"
#include "app/dialogs/welcome_dialog.h"
#include "app/project_commands.h"
#include "canvas/collage_view.h"
#include "document/collage.h"
#include "document/dialogs/canvas_size_dialog.h"
#include "document/dialogs/new_collage_dialog.h"
#include "document/project_writer.h"
#include "document/text_field.h"
#include "document/view_geometry.h"
#include "window_test_support.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <deque>

namespace quiltara::app::testing {
namespace {

using document::Collage;

// Answers from a script; a question nobody scripted is cancelled, so a
// test that forgot one never loses data.
class ScriptedPrompter : public Prompter {
public:
    std::deque<Answer> answers;
    std::deque<Answer> warnings;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;

    std::vector<QString> questions;
    std::vector<QString> errors;
    std::vector<QString> saveStarts;

    void message(QWidget*, BoxKind kind, const QString& text, const QString&) override
    {
        if (kind == BoxKind::Error)
            errors.push_back(text);
    }
    Answer question(QWidget*, const QString& text, bool, const QString&) override
    {
        questions.push_back(text);
        return next(answers, Answer::Cancel);
    }
    Answer warningQuestion(QWidget*, const QString& text, const QString&) override
    {
        questions.push_back(text);
        return next(warnings, Answer::No);
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return next(openPaths, QString());
    }
    QString saveFileName(QWidget*, const QString&, const QString& start, const QString&) override
    {
        saveStarts.push_back(start);
        return next(savePaths, QString());
    }

private:
    template <typename T>
    static T next(std::deque<T>& script, T fallback)
    {
        if (script.empty())
            return fallback;
        T value = script.front();
        script.pop_front();
        return value;
    }
};

// A window with its project commands, in a home folder of its own, so each
// test has a fresh workspace.
class ProjectCommandsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const char* home = std::getenv("HOME");
        m_oldHome = home ? home : "";
        fs::create_directories(m_folder / "home");
        ::setenv("HOME", (m_folder / "home").c_str(), 1);
        setPrompter(&m_script);
        writeConfig("");
    }

    void TearDown() override
    {
        m_project.reset(); // before the window it serves
        WindowTest::TearDown();
        ::setenv("HOME", m_oldHome.c_str(), 1);
    }

    TfrmMain& startWithProject(StartOptions options = {})
    {
        m_project.reset();
        TfrmMain& window = start(std::move(options));
        m_project = std::make_unique<ProjectCommands>(window);
        return window;
    }

    document::ProjectSession& session() { return m_project->session(); }

    // Types the name into the New Collage dialog when it shows and leaves
    // the rest as the dialog starts: 4" x 6", Landscape, 150 DPI.
    static void whenNewCollageShown(const char* name)
    {
        whenShown<document::NewCollageDialog>([name](document::NewCollageDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("edName")),
                             QString::fromUtf8(name));
            dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    }

    // A collage file as a saved project leaves it: 800 x 500, a text object
    // and, when asked, a photo whose copy is in the project folder.
    fs::path writeProject(const std::string& name, bool withPhoto = false, float zoom = 1.0f)
    {
        Collage collage;
        document::storeTextCut(collage.CollageName, name);
        collage.CanvasWidth = 800;
        collage.CanvasHeight = 500;
        collage.Zoom = zoom;
        collage.ZoomedWidth = document::zoomTrunc(800, zoom);
        collage.ZoomedHeight = document::zoomTrunc(500, zoom);
        const int text = document::AddNewSelection(collage, 10, 10, 120, 40);
        collage.object(text).IsText = 1;
        collage.object(text).InUse = 1;
        document::storeTerminatedText(collage.object(text).TextLine, "Summer");
        const fs::path project = fs::path(DataFolder()) / name;
        fs::create_directories(project);
        if (withPhoto) {
            const int photo = document::AddNewSelection(collage, 200, 100, 300, 200);
            document::ScreenObject& o = collage.object(photo);
            o.IsPhoto = 1;
            o.InUse = 1;
            document::storeTerminatedText(o.FileName, "/elsewhere/beach.jpg");
            writeFile(project / "beach.jpg", "not decoded yet");
        }
        fs::create_directories(CollagesFolder());
        const fs::path path = fs::path(CollagesFolder()) / (name + ".CLG");
        document::SaveCollage(collage, path.string());
        return path;
    }

    static document::CollageHeader headerOf(const fs::path& path)
    {
        const std::string bytes = readFile(path);
        document::CollageHeader header{};
        if (bytes.size() >= sizeof header)
            std::memcpy(&header, bytes.data(), sizeof header);
        return header;
    }

    static std::vector<std::string> objectMenuTexts(TfrmMain& window)
    {
        std::vector<std::string> texts;
        for (QAction* entry : window.commands().mainMenuObjects->actions())
            texts.push_back(entry->text().toStdString());
        return texts;
    }

    // Runs the window's start-up until the Welcome dialog has closed.
    static bool welcomeDone(TfrmMain& window)
    {
        return waitFor([&] { return window.Timer1()->interval() == 200; }, 5000);
    }

    ScriptedPrompter m_script;
    std::unique_ptr<ProjectCommands> m_project;
    std::string m_oldHome;
};

TEST_F(ProjectCommandsTest, WelcomeCreateNewCollageMakesA4By6CollageAndRemembersTheChoices)
{
    TfrmMain& window = startWithProject();
    whenShown<TfrmWelcome>([](TfrmWelcome* welcome) { welcome->btnNewCollage()->click(); });
    whenNewCollageShown("Beach");
    window.show();
    ASSERT_TRUE(welcomeDone(window));

    const Collage& collage = window.collage();
    EXPECT_EQ(collage.CanvasWidth, 900);
    EXPECT_EQ(collage.CanvasHeight, 600);
    EXPECT_TRUE(collage.CollageModified);
    EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Beach] - 900 X 600  [Zoom 100%]");
    EXPECT_EQ(window.statusText(7), "Status: New Collage Created");
    EXPECT_TRUE(window.commands().menuZoom100->isChecked());
    for (QAction* item : {window.commands().menuSaveCollage, window.commands().menuSaveCollageAs,
                          window.commands().ToolButtonSave, window.commands().menuCanvasSize})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    const QSize surface = window.scrollBoxCollage()->paintBox()->size();
    EXPECT_GE(surface.width(), 900);
    EXPECT_GE(surface.height(), 600);
    EXPECT_TRUE(m_script.errors.empty());

    // The choices go to collage.cfg and stay with the window for the run.
    EXPECT_NE(config().find("[New Collage]\nCollage Size=1\nOrientation=1\nMeasure Width=900\n"
                            "Measure Height=600\nResolution=1\n"),
              std::string::npos)
        << config();
    EXPECT_EQ(window.NewCollageSizeIndex, 1);
    EXPECT_EQ(window.NewCollageOrientation, 1);
    EXPECT_EQ(window.NewCollageResolutionIndex, 1);
}

TEST_F(ProjectCommandsTest, WelcomeOpenMyCollageOpensTheFileWithItsObjects)
{
    const fs::path file = writeProject("Trip", true);
    TfrmMain& window = startWithProject();
    m_script.openPaths.push_back(QString::fromStdString(file.string()));
    whenShown<TfrmWelcome>([](TfrmWelcome* welcome) { welcome->btnOpenCollage()->click(); });
    window.show();
    ASSERT_TRUE(welcomeDone(window));

    const Collage& collage = window.collage();
    EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Trip.CLG] - 800 X 500  [Zoom 100%]");
    EXPECT_FALSE(collage.CollageModified);
    EXPECT_EQ(session().collagePath(), file.string());
    EXPECT_TRUE(m_script.errors.empty()) << m_script.errors.front().toStdString();
    // The text object reopens as it was. Without the photo pipeline the
    // photo keeps its record and its menu entry, but has no picture yet.
    ASSERT_EQ(collage.NumSlots, 2);
    EXPECT_TRUE(collage.isLive(0));
    EXPECT_TRUE(collage.isLive(1));
    EXPECT_TRUE(window.commands().mainMenuObjects->isEnabled());
    EXPECT_EQ(objectMenuTexts(window),
              (std::vector<std::string>{"Text: Summer.. (Layer 1)", "Photo: beach.jpg (Layer 0)"}));
    EXPECT_TRUE(collage.object(1).DisplayPhotoStream->empty());
    // Opening wrote the desktop keys before the file was read.
    EXPECT_NE(config().find("[CollageZoomToolbar]\nLeft=0\nTop=0\n"), std::string::npos);

    // Saved again, nothing of the photo is lost.
    window.commands().menuSaveCollage->trigger();
    EXPECT_EQ(window.statusText(7), "Status: Collage Saved");
    const std::string bytes = readFile(file);
    ASSERT_EQ(bytes.size(), sizeof(document::CollageHeader) + 2 * sizeof(document::SCREENOBJECT));
    document::SCREENOBJECT photo{};
    std::memcpy(&photo, bytes.data() + sizeof(document::CollageHeader) + sizeof photo, sizeof photo);
    EXPECT_EQ(photo.InUse, 1);
    EXPECT_EQ(document::textOf(photo.FileName), "/elsewhere/beach.jpg");
}

TEST_F(ProjectCommandsTest, CommandLineCollageIsOpenedBeforeTheWelcomeDialogAndKeptAsAFullPath)
{
    const fs::path file = writeProject("Party");
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(CollagesFolder()));
    StartOptions options;
    options.arguments = QStringList{QStringLiteral("Party.CLG")};
    TfrmMain& window = startWithProject(options);
    QString captionAtWelcome;
    whenShown<TfrmWelcome>([&](TfrmWelcome* welcome) {
        captionAtWelcome = window.windowTitle();
        welcome->btnExit()->click();
    });
    window.show();
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }, 5000));
    QDir::setCurrent(startFolder);

    EXPECT_EQ(captionAtWelcome, "Quiltara 3.00  - [Party.CLG] - 800 X 500  [Zoom 100%]");
    EXPECT_EQ(session().collagePath(), file.string());
}

struct ClosingCase {
    const char* name;
    Answer answer;
    bool viaExit; // the Exit command rather than the window's close box
    bool closes;
    bool saved;
};

void PrintTo(const ClosingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClosingWithChanges : public ProjectCommandsTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingWithChanges, AsksToSaveAndDoesWhatTheAnswerSays)
{
    const ClosingCase& c = GetParam();
    const fs::path file = writeProject("Garden");
    TfrmMain& window = startWithProject();
    ASSERT_TRUE(m_project->openCollageFile(file.string()));
    window.collage().CanvasWidth = 1000; // an unsaved change
    window.collage().CollageModified = true;

    m_script.answers.push_back(c.answer);
    if (c.viaExit)
        window.commands().Exit1->trigger();
    else
        window.close();

    ASSERT_EQ(m_script.questions.size(), 1u);
    EXPECT_EQ(m_script.questions[0],
              QString::fromStdString("The collage has been modified.\n\rDo you want to "
                                     "save the collage :\r\n" +
                                     file.string() + "? "));
    EXPECT_EQ(ActionLogOpen(), !c.closes); // the closing steps ran, or not at all
    EXPECT_EQ(headerOf(file).CanvasWidth, c.saved ? 1000 : 800);
    if (!c.closes) {
        EXPECT_TRUE(window.collage().CollageModified);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingWithChanges,
                         ::testing::Values(ClosingCase{"YesSaves", Answer::Yes, false, true, true},
                                           ClosingCase{"NoDiscards", Answer::No, true, true, false},
                                           ClosingCase{"CancelStays", Answer::Cancel, false, false, false},
                                           ClosingCase{"CancelStaysOnExit", Answer::Cancel, true, false,
                                                       false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectCommandsTest, SavedEmptyCollageReopensWithItsCaptionAndZoomMark)
{
    const fs::path file = fs::path(CollagesFolder()) / "Beach.CLG";
    {
        TfrmMain& window = startWithProject();
        whenNewCollageShown("Beach");
        window.commands().menuNewCollage->trigger();
        ASSERT_EQ(window.collage().CanvasWidth, 900);

        // The first Save asks for a file, offering the collage's name in
        // the Collages folder.
        m_script.savePaths.push_back(QString::fromStdString(file.string()));
        window.commands().menuSaveCollage->trigger();
        ASSERT_EQ(m_script.saveStarts.size(), 1u);
        EXPECT_EQ(m_script.saveStarts[0], QString::fromStdString(joinPath(CollagesFolder(), "Beach")));
        EXPECT_EQ(fs::file_size(file), sizeof(document::CollageHeader));
        EXPECT_TRUE(fs::is_directory(fs::path(DataFolder()) / "Beach")); // the temp folder took its name
        EXPECT_FALSE(window.collage().CollageModified);
        EXPECT_EQ(window.statusText(7), "Status: Collage Saved");
        EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Beach.CLG] - 900 X 600  [Zoom 100%]");
        EXPECT_TRUE(window.close()); // nothing to ask
        EXPECT_TRUE(m_script.questions.empty());
    }

    TfrmMain& window = startWithProject();
    window.commands().menuZoom40->setChecked(true); // whatever the view showed before
    m_script.openPaths.push_back(QString::fromStdString(file.string()));
    window.commands().ToolButtonOpen->trigger();
    EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Beach.CLG] - 900 X 600  [Zoom 100%]");
    EXPECT_TRUE(window.commands().menuZoom100->isChecked());
    EXPECT_EQ(window.collage().NumSlots, 0);
    EXPECT_FALSE(window.collage().CollageModified);
    EXPECT_FALSE(window.JustOpened);
    EXPECT_EQ(window.CollageOpenFolder, CollagesFolder()); // the Welcome dialog starts there too
    EXPECT_TRUE(m_script.errors.empty());
}

struct ZoomCase {
    float zoom;
    const char* captionEnd;
    const char* checkedEntry; // empty: none
};

class ReopenedZoom : public ProjectCommandsTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(ReopenedZoom, ChecksTheMatchingEntry)
{
    const fs::path file = writeProject("Zoomed", false, GetParam().zoom);
    TfrmMain& window = startWithProject();
    ASSERT_TRUE(m_project->openCollageFile(file.string()));
    EXPECT_TRUE(window.windowTitle().endsWith(QString::fromUtf8(GetParam().captionEnd)))
        << window.windowTitle().toStdString();
    const QAction* checked = window.commands().zoomGroup->checkedAction();
    EXPECT_EQ(checked ? checked->objectName().toStdString() : std::string(), GetParam().checkedEntry);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ReopenedZoom,
                         ::testing::Values(ZoomCase{0.4f, "500  [Zoom 40%]", "menuZoom40"},
                                           ZoomCase{0.76f, "500  [Zoom 75%]", "menuZoom75"},
                                           ZoomCase{0.3f, "800 X 500  ", ""}));

TEST_F(ProjectCommandsTest, SaveButtonThatSavedNothingKeepsTheChanges)
{
    TfrmMain& window = startWithProject();
    whenNewCollageShown("Picnic");
    window.commands().ToolButtonNew->trigger();
    ASSERT_TRUE(window.collage().CollageModified);

    window.commands().ToolButtonSave->trigger(); // the save dialog is cancelled
    EXPECT_TRUE(window.collage().CollageModified);
    EXPECT_FALSE(fs::exists(fs::path(CollagesFolder()) / "Picnic.CLG"));
    EXPECT_EQ(window.statusText(7), "Status: New Collage Created");
}

TEST_F(ProjectCommandsTest, CanvasSizeChangesTheCaptionAndTheSurface)
{
    const fs::path file = writeProject("Wall");
    TfrmMain& window = startWithProject();
    ASSERT_TRUE(m_project->openCollageFile(file.string()));

    // Cancelled: the size stays, but the collage counts as changed.
    whenShown<document::CanvasSizeDialog>([](document::CanvasSizeDialog* dialog) { dialog->reject(); });
    window.commands().menuCanvasSize->trigger();
    EXPECT_EQ(window.collage().CanvasWidth, 800);
    EXPECT_TRUE(window.collage().CollageModified);

    whenShown<document::CanvasSizeDialog>([](document::CanvasSizeDialog* dialog) {
        auto* width = dialog->findChild<QLineEdit*>(QStringLiteral("edNewWidth"));
        auto* height = dialog->findChild<QLineEdit*>(QStringLiteral("edNewHeight"));
        width->clear();
        QTest::keyClicks(width, QStringLiteral("2400"));
        height->clear();
        QTest::keyClicks(height, QStringLiteral("1500"));
        dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    window.commands().menuCanvasSize->trigger();
    EXPECT_EQ(window.collage().CanvasWidth, 2400);
    EXPECT_EQ(window.collage().CanvasHeight, 1500);
    EXPECT_EQ(window.windowTitle(), "Quiltara 3.00  - [Wall.CLG] - 2400 X 1500  [Zoom 100%]");
    EXPECT_EQ(window.scrollBoxCollage()->paintBox()->size(), QSize(2400, 1500));
    EXPECT_TRUE(m_script.errors.empty());
}

} // namespace
} // namespace quiltara::app::testing
