#include "document/canvas_size.h"
#include "document/collage.h"
#include "document/new_collage.h"
#include "document/size_text.h"
#include "document/texts.h"
#include "project_fixture.h"

namespace quiltara::document {
namespace {

using namespace testing;

struct FigureCase {
    int printSize;
    int orientation;
    int resolution;
    bool digitalPrint;
    int width;
    int height;
    const char* aspect;
    const char* megaPixels;
    const char* printSizeLabel;
};

void PrintTo(const FigureCase& c, std::ostream* os)
{
    *os << "size " << c.printSize << " orientation " << c.orientation << " resolution " << c.resolution
        << (c.digitalPrint ? " digital" : "");
}

const FigureCase kFigures[] = {
    {3, kPortrait, 0, false, 576, 720, "0.80", "< 1.0", "8\" x 10\""},
    {3, kLandscape, 0, false, 720, 576, "1.25", "< 1.0", "8\" x 10\""},
    {1, kLandscape, 1, false, 900, 600, "1.50", "< 1.0", "4\" x 6\""},
    {4, kPortrait, 2, false, 3300, 4200, "0.79", "13.9", "11\" x 14\""},
    {0, kPortrait, 1, true, 900, 1200, "0.75", "1.1", "3\" x 5\""},
    {0, kLandscape, 1, true, 1200, 900, "1.33", "1.1", "3\" x 5\""},
    {2, kPortrait, kDigitalPrintResolution, false, 1536, 2048, "0.75", "3.1", "5\" x 7\""},
};

class NewCollageFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(NewCollageFigures, PixelSizeAndLabels)
{
    const FigureCase& c = GetParam();
    NewCollageForm form;
    form.widthText = form.heightText = "0";
    form.printSize = c.printSize;
    form.orientation = c.orientation;
    form.resolution = c.resolution;
    form.digitalPrint = c.digitalPrint;
    updateScreen(form);
    EXPECT_EQ(form.pixelWidth, c.width);
    EXPECT_EQ(form.pixelHeight, c.height);
    EXPECT_EQ(form.widthText, std::to_string(c.width));
    EXPECT_EQ(form.pixelWidthLabel, std::to_string(c.width));
    EXPECT_EQ(form.aspectLabel, c.aspect);
    EXPECT_EQ(form.megaPixelsLabel, c.megaPixels);
    EXPECT_EQ(form.printSizeLabel, c.printSizeLabel);
    EXPECT_EQ(form.orientationLabel, c.orientation == kPortrait ? "Portrait" : "Landscape");
    EXPECT_FALSE(form.sizeEditsEnabled);
    EXPECT_TRUE(form.orientationEnabled);
    EXPECT_EQ(form.resolutionEnabled, !c.digitalPrint);
    if (c.digitalPrint) {
        EXPECT_EQ(form.resolution, kDigitalPrintResolution);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, NewCollageFigures, ::testing::ValuesIn(kFigures));

TEST(NewCollageForm, TheFirstDialogOfARunIsFourBySixLandscapeAtMediumResolution)
{
    Collage collage;
    collage.CanvasWidth = 1600;
    collage.CanvasHeight = 1200;
    const NewCollageForm form = openNewCollageForm(collage, {});
    EXPECT_EQ(form.printSize, 1);
    EXPECT_EQ(form.orientation, kLandscape);
    EXPECT_EQ(form.resolution, 1);
    EXPECT_EQ(form.pixelWidth, 900);
    EXPECT_EQ(form.pixelHeight, 600);
    EXPECT_EQ(form.megaPixelsLabel, "< 1.0");
}

TEST(NewCollageForm, CustomSizeTakesTheEditsAndAWidthOfZeroBecomesSixHundred)
{
    Collage collage;
    collage.CanvasWidth = 1000;
    collage.CanvasHeight = 700;
    NewCollageForm form = openNewCollageForm(collage, {.printSize = kCustomSize});
    EXPECT_TRUE(form.sizeEditsEnabled);
    EXPECT_FALSE(form.orientationEnabled);
    EXPECT_FALSE(form.digitalPrintEnabled);
    EXPECT_FALSE(form.resolutionEnabled);
    EXPECT_EQ(form.pixelWidth, 1000); // the current canvas until the edits change
    EXPECT_EQ(form.printSizeLabel, "Custom");

    widthEdited(form, "0");
    EXPECT_EQ(form.pixelWidth, 600);
    EXPECT_EQ(form.pixelWidthLabel, "600");
    heightEdited(form, "450.9");
    EXPECT_EQ(form.pixelHeight, 450);
    EXPECT_EQ(form.aspectLabel, "1.33");

    // With an empty edit the labels stop following.
    heightEdited(form, "");
    widthEdited(form, "1200");
    EXPECT_EQ(form.pixelWidth, 1200);
    EXPECT_EQ(form.pixelWidthLabel, "1200");
    EXPECT_EQ(form.aspectLabel, "1.33");
    EXPECT_EQ(newCollageProblem(form), texts::kEnterValidSize);
}

TEST(NewCollageForm, EditFiltersDropWhatTheEditsDoNotTake)
{
    EXPECT_EQ(filterNameText("my trip"), "my_trip");
    EXPECT_EQ(filterNameText("a/b:c\\d*e"), "abcde");
    EXPECT_EQ(filterNameText("Tag-1.2_x"), "Tag-1.2_x");
    EXPECT_EQ(filterNameText(std::string(40, 'n')).size(), 30u);
    EXPECT_EQ(filterSizeText("12a3.4-5"), "123.4");
    EXPECT_EQ(filterSizeText("1234567"), "12345");

    NewCollageForm form;
    form.widthText = form.heightText = "0";
    nameEdited(form, "x y");
    EXPECT_EQ(form.name, "x_y");
    EXPECT_EQ(form.pixelWidth, 900); // the width handler ran too
}

class NewCollageOk : public ProjectTest {
protected:
    NewCollageForm customForm(const char* width, const char* height, const char* name)
    {
        NewCollageForm form;
        form.printSize = kCustomSize;
        form.name = name;
        widthEdited(form, width);
        heightEdited(form, height);
        return form;
    }
};

TEST_F(NewCollageOk, ChecksComeInTheirOrder)
{
    fs::create_directories(projectFolder("Taken"));
    struct Case {
        const char* width;
        const char* height;
        const char* name;
        std::optional<std::string> problem;
    };
    const Case cases[] = {
        {"", "100", "", texts::kEnterValidSize},
        {"1.5", "100", "", texts::kEnterNumbers},
        {"4000", "3001", "", texts::kNewCollageTooLarge},
        {"50000", "50000", "", texts::kNewCollageTooLarge}, // no 32-bit wrap
        {"30000", "19", "", texts::kHeightOutOfRange},
        {"19", "19", "", texts::kHeightOutOfRange},
        {"19", "100", "", texts::kWidthOutOfRange},
        {"4000", "3000", "", texts::kEnterName},
        {"4000", "3000", "...", texts::kNameOnlyDots},
        {"4000", "3000", "Taken", texts::kFolderExists},
        {"4000", "3000", "Fresh", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(newCollageProblem(customForm(c.width, c.height, c.name)), c.problem)
            << c.width << " x " << c.height << " " << c.name;
}

TEST_F(NewCollageOk, ANameWithAFolderIsRefusedEvenWithoutAProjectFile)
{
    fs::create_directories(projectFolder("Party"));
    ASSERT_FALSE(fs::exists(collages() / "Party.CLG"));
    NewCollageForm form;
    form.widthText = form.heightText = "0";
    updateScreen(form);
    form.name = "Party";
    EXPECT_EQ(newCollageProblem(form), texts::kFolderExists);
    form.name = "..";
    EXPECT_EQ(newCollageProblem(form), texts::kNameOnlyDots);
}

TEST(NewCollageChoices, WhatIsRememberedAndWritten)
{
    NewCollageForm form;
    form.widthText = form.heightText = "0";
    form.printSize = 2;
    form.orientation = kPortrait;
    form.digitalPrint = true;
    updateScreen(form);
    EXPECT_EQ(choicesOf(form), (NewCollageChoices{2, kPortrait, true, kDigitalPrintResolution, 1536, 2048}));
    EXPECT_EQ(keysOf(form), (NewCollageKeys{2, kPortrait, "1536", "2048", kDigitalPrintResolution}));
}

struct CanvasCase {
    const char* width;
    const char* height;
    std::optional<std::string> problem;
};

TEST(CanvasSize, ChecksComeInTheirOrder)
{
    const CanvasCase cases[] = {
        {"19", "100", texts::kWidthOutOfRange},
        {"100", "19", texts::kHeightOutOfRange},
        {"19", "19", texts::kHeightOutOfRange},
        {"4000", "3001", std::string(texts::kCanvasTooLarge) + "12.004"},
        {"50000", "50000", std::string(texts::kCanvasTooLarge) + "2500"},
        {"4000", "3000", std::nullopt},
        {"20", "50000", std::nullopt},
        {"12.5", "100", texts::kEnterNumbers},
        {"", "100", texts::kEnterNumbers},
    };
    for (const CanvasCase& c : cases) {
        CanvasSizeForm form{.widthText = c.width, .heightText = c.height};
        EXPECT_EQ(canvasSizeProblem(form), c.problem) << c.width << " x " << c.height;
    }
}

TEST(CanvasSize, TheFormStartsAtTheCurrentSize)
{
    Collage collage;
    collage.CanvasWidth = 1234;
    collage.CanvasHeight = 567;
    const CanvasSizeForm form = openCanvasSizeForm(collage);
    EXPECT_EQ(form.widthText, "1234");
    EXPECT_EQ(form.heightText, "567");
    EXPECT_EQ(form.currentWidth, 1234);
}

TEST(SizeText, MegaPixelsAreSinglePrecisionWithoutOverflow)
{
    EXPECT_FALSE(exceedsMegaPixelLimit(4000, 3000));
    EXPECT_TRUE(exceedsMegaPixelLimit(4000, 3001));
    EXPECT_TRUE(exceedsMegaPixelLimit(50000, 50000));
    EXPECT_TRUE(exceedsMegaPixelLimit(99999, 99999));
    EXPECT_EQ(megaPixels(3300, 4200), 13.86f);
}

} // namespace
} // namespace quiltara::document
