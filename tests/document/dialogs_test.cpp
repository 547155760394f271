#include "app/ui/prompter.h"
#include "document/collage.h"
#include "document/dialogs/canvas_size_dialog.h"
#include "document/dialogs/new_collage_dialog.h"
#include "document/texts.h"
#include "project_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quiltara::document {
namespace {

using namespace testing;

// Records the boxes instead of showing them.
class RecordingPrompter : public app::Prompter {
public:
    void message(QWidget*, app::BoxKind kind, const QString& text, const QString&) override
    {
        messages.push_back(text.toStdString());
    }
    std::vector<std::string> messages;
};

class Dialogs : public ProjectTest {
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        app::setPrompter(&m_prompter);
    }
    void TearDown() override
    {
        app::setPrompter(nullptr);
        ProjectTest::TearDown();
    }

    template <typename Widget>
    static Widget* child(QWidget& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static QString label(QWidget& dialog, const char* name) { return child<QLabel>(dialog, name)->text(); }

    RecordingPrompter m_prompter;
};

TEST_F(Dialogs, NewCollageShowsWhatTheChoicesMake)
{
    Collage collage;
    collage.CanvasWidth = 1600;
    collage.CanvasHeight = 1200;
    NewCollageDialog dialog(nullptr, openNewCollageForm(collage, {}));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "New Collage");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbPrintSize1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbOrientation1")->isChecked());
    EXPECT_EQ(label(dialog, "lblPixelWidth"), "900");
    EXPECT_EQ(label(dialog, "lblPixelHeight"), "600");
    EXPECT_EQ(label(dialog, "lblMegaPixels"), "< 1.0");
    EXPECT_EQ(label(dialog, "lblPrintSize"), "4\" x 6\"");
    EXPECT_FALSE(child<QLineEdit>(dialog, "edWidth")->isEnabled());

    child<QRadioButton>(dialog, "rbPrintSize3")->click();
    child<QRadioButton>(dialog, "rbOrientation0")->click();
    child<QListWidget>(dialog, "lbResolution")->setCurrentRow(0);
    EXPECT_EQ(label(dialog, "lblPixelWidth"), "576");
    EXPECT_EQ(label(dialog, "lblPixelHeight"), "720");
    EXPECT_EQ(child<QLineEdit>(dialog, "edWidth")->text(), "576");
    EXPECT_EQ(label(dialog, "lblAspect"), "0.80");
    EXPECT_EQ(label(dialog, "lblOrientation"), "Portrait");

    child<QCheckBox>(dialog, "cbDigitalPrint")->setChecked(true);
    EXPECT_EQ(label(dialog, "lblPixelWidth"), "1712");
    EXPECT_FALSE(child<QListWidget>(dialog, "lbResolution")->isEnabled());
    EXPECT_EQ(child<QListWidget>(dialog, "lbResolution")->currentItem()->text(), "Digital Print Processing");

    child<QRadioButton>(dialog, "rbPrintSize5")->click();
    EXPECT_TRUE(child<QLineEdit>(dialog, "edWidth")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(dialog, "cbDigitalPrint")->isEnabled());
    EXPECT_EQ(label(dialog, "lblPrintSize"), "Custom");
}

TEST_F(Dialogs, NewCollageTakesOnlyWhatItsEditsAllow)
{
    Collage collage;
    NewCollageDialog dialog(nullptr, openNewCollageForm(collage, {.printSize = kCustomSize}));
    dialog.show();
    auto* name = child<QLineEdit>(dialog, "edName");
    QTest::keyClicks(name, "my trip/2:x");
    EXPECT_EQ(name->text(), "my_trip2x");
    auto* width = child<QLineEdit>(dialog, "edWidth");
    width->selectAll();
    QTest::keyClicks(width, "12a34x");
    EXPECT_EQ(width->text(), "1234");
    EXPECT_EQ(label(dialog, "lblPixelWidth"), "1234");
    EXPECT_EQ(dialog.form().pixelWidth, 1234);
}

TEST_F(Dialogs, NewCollageOkChecksBeforeClosing)
{
    fs::create_directories(projectFolder("Taken"));
    Collage collage;
    NewCollageDialog dialog(nullptr, openNewCollageForm(collage, {}));
    dialog.show();
    auto* ok = child<QPushButton>(dialog, "btnOK");
    ok->click();
    EXPECT_EQ(m_prompter.messages, std::vector<std::string>{texts::kEnterName});
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClicks(child<QLineEdit>(dialog, "edName"), "Taken");
    ok->click();
    EXPECT_EQ(m_prompter.messages.back(), texts::kFolderExists);

    child<QRadioButton>(dialog, "rbPrintSize4")->click();
    child<QListWidget>(dialog, "lbResolution")->setCurrentRow(2);
    ok->click();
    EXPECT_EQ(m_prompter.messages.back(), texts::kNewCollageTooLarge);

    child<QListWidget>(dialog, "lbResolution")->setCurrentRow(1);
    child<QLineEdit>(dialog, "edName")->clear();
    QTest::keyClicks(child<QLineEdit>(dialog, "edName"), "Fresh");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.form().name, "Fresh");
    EXPECT_EQ(dialog.form().pixelWidth, 2100);
    EXPECT_EQ(dialog.form().pixelHeight, 1650);
}

TEST_F(Dialogs, CanvasSizeRefusesWhatItMustAndTakesTheRest)
{
    Collage collage;
    collage.CanvasWidth = 800;
    collage.CanvasHeight = 600;
    CanvasSizeDialog dialog(nullptr, openCanvasSizeForm(collage));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Collage Size");
    EXPECT_EQ(label(dialog, "lblCollageWidth"), "800");
    auto* width = child<QLineEdit>(dialog, "edNewWidth");
    auto* height = child<QLineEdit>(dialog, "edNewHeight");
    EXPECT_EQ(width->text(), "800");

    width->clear();
    QTest::keyClicks(width, "19x");
    EXPECT_EQ(width->text(), "19");
    child<QPushButton>(dialog, "btnOK")->click();
    EXPECT_EQ(m_prompter.messages, std::vector<std::string>{texts::kWidthOutOfRange});
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    width->setText("4000");
    height->setText("3000");
    child<QPushButton>(dialog, "btnOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.form().widthText, "4000");
}

} // namespace
} // namespace quiltara::document

int main(int argc, char** argv)
{
    // Also when ctest lists the tests, which it does without the test
    // environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
