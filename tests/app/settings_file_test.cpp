#include "app/core/settings_file.h"

#include "app/core/ini_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quiltara::app {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder =
            fs::temp_directory_path() / ("quiltara-settings-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path() const { return (m_folder / "collage.cfg").string(); }
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            if (entry.path().filename() != "collage.cfg")
                names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path m_folder;
};

struct IntegerCase {
    const char* text;
    std::optional<int> value;
};

// As the INI routines read integers: decimal or "$"/"0x" hexadecimal, the
// whole text, 32 bits.
constexpr IntegerCase kIntegerCases[] = {
    {"0", 0},
    {"90", 90},
    {"-1", -1},
    {" 42 ", 42},
    {"+7", 7},
    {"$FF", 255},
    {"0x10", 16},
    {"$FFFFFFFF", -1},
    {"2147483647", 2147483647},
    {"2147483648", {}},
    {"-2147483648", -2147483647 - 1},
    {"", {}},
    {"abc", {}},
    {"12abc", {}},
    {"1.5", {}},
    {"--1", {}},
    {"0x", {}},
    {"$1FFFFFFFF", {}},
};

class IniInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, ParsesAsTheIniRoutinesDo)
{
    EXPECT_EQ(parseIniInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, IniInteger, ::testing::ValuesIn(kIntegerCases));

TEST_F(SettingsFile, MissingEmptyOrGarbledFileGivesTheDefaults)
{
    const Settings expected = defaultSettings("/home/u/Pictures");
    using namespace std::string_literals;
    const std::string contents[] = {"<missing>", "",
                                    "\x00\x01\x02garbage\xff\xfe\n[[[\n=\n[Desktop]\x00Width=5\n"s,
                                    "[Settings]\nJPEG Compression=abc\n[Desktop]\nWidth=\n"};
    for (const std::string& content : contents) {
        if (content != "<missing>")
            writeFile(path(), content);
        const Settings read = ReadSettings(path(), "/home/u/Pictures");
        EXPECT_EQ(read.misc, expected.misc) << content;
        EXPECT_EQ(read.desktop.width, -1);
        EXPECT_EQ(read.desktop.height, -1);
        EXPECT_TRUE(read.showToolbars);
        EXPECT_TRUE(read.toolBar1.showCaptions);
        EXPECT_EQ(read.toolBar1.buttonWidth, 40);
        EXPECT_EQ(read.toolBar1.buttonHeight, 50);
        EXPECT_EQ(read.toolBar2.buttonWidth, 50);
        EXPECT_EQ(read.toolBar2.buttonHeight, 40);
        EXPECT_EQ(read.toolBar2.left, read.toolBar1.left + 500);
        EXPECT_TRUE(read.vertToolBarVisible);
        EXPECT_EQ(read.misc.jpegCompression, 90);
        EXPECT_TRUE(read.misc.splashScreen);
        EXPECT_EQ(read.folders.photoOpen, "/home/u/Pictures");
        EXPECT_EQ(read.folders.photoSave, "/home/u/Pictures");
        EXPECT_EQ(read.folders.autoCollage, "/home/u/Pictures");
        EXPECT_EQ(read.font.name, "Arial");
        EXPECT_EQ(read.font.size, 14);
        EXPECT_EQ(read.font.haloColor, 255u);
        EXPECT_EQ(read.font.bgColor, 0xFF0000u);
        EXPECT_EQ(read.font.textLine, "text");
        EXPECT_EQ(read.stamps.lastStampGroup, -1);
        EXPECT_TRUE(read.stamps.fileNames.empty());
    }
}

TEST_F(SettingsFile, ReadsEveryKindOfValueWithoutRegardToLetterCase)
{
    writeFile(path(), "[desktop]\nleft=10\nTOP=20\nWidth=800\nHeight=600\n"
                      "[ToolBars]\nShow Toolbars=0\n"
                      "[ToolBar1]\nShowCaptions=0\nLeft=5\nTop=0\nButtonHeight=60\nButtonWidth=45\n"
                      "[ToolBar2]\nButtonHeight=33\nButtonWidth=44\n"
                      "[VertToolBar]\nVisible=0\n"
                      "[TextureWindow]\nColor=255\nCustom Color 3=0000FF\nCustom Gradient Color 15=FFFFFF\n"
                      "Custom Color 4=zz\n"
                      "[Font]\nName=Liberation Serif\nBold=7\nTextLine=Hello there\nParagraph Alignment=2\n"
                      "[Settings]\nJPEG Compression=75\nFast Rubberband=1\n"
                      "[Directories]\nPhotoOpenDirectory=/data/photos\n"
                      "[VideoDriver]\nCheckVideo=1\n"
                      "[Stamps]\nStamp Count=99999999\nStamp FileName0=heart.png\nStamp FileName1=star.png\n"
                      "Last Stamp Group=4\n");
    const Settings s = ReadSettings(path(), "/pics");
    EXPECT_EQ(s.desktop.left, 10);
    EXPECT_EQ(s.desktop.top, 20);
    EXPECT_EQ(s.desktop.width, 800);
    EXPECT_FALSE(s.showToolbars);
    EXPECT_FALSE(s.toolBar1.showCaptions);
    // The main tool bar keeps its width under ButtonHeight.
    EXPECT_EQ(s.toolBar1.buttonWidth, 60);
    EXPECT_EQ(s.toolBar1.buttonHeight, 45);
    // The photo tool bar keeps each under its own name; its position
    // defaults to beside the main one as stored.
    EXPECT_EQ(s.toolBar2.buttonHeight, 33);
    EXPECT_EQ(s.toolBar2.buttonWidth, 44);
    EXPECT_EQ(s.toolBar2.left, 505);
    EXPECT_FALSE(s.vertToolBarVisible);
    EXPECT_EQ(s.palette.color, 255u);
    EXPECT_EQ(s.palette.customColors[3], 0x0000FFu);
    EXPECT_EQ(s.palette.customColors[4], 0u);
    EXPECT_EQ(s.palette.customGradientColors[15], 0xFFFFFFu);
    EXPECT_EQ(s.font.name, "Liberation Serif");
    EXPECT_TRUE(s.font.bold);
    EXPECT_EQ(s.font.textLine, "Hello there");
    EXPECT_EQ(s.font.paragraphAlignment, 2);
    EXPECT_EQ(s.misc.jpegCompression, 75);
    EXPECT_TRUE(s.misc.fastRubberband);
    EXPECT_EQ(s.folders.photoOpen, "/data/photos");
    EXPECT_EQ(s.folders.photoSave, "/pics");
    EXPECT_TRUE(s.checkVideo);
    // A huge count only reads the names the section can hold.
    EXPECT_EQ(s.stamps.fileNames, (std::vector<std::string>{"heart.png", "star.png", "", ""}));
    EXPECT_EQ(s.stamps.lastStampGroup, 4);
}

TEST_F(SettingsFile, TheTextDialogsAlignmentKeyWinsOverTheOlderOne)
{
    writeFile(path(), "[Font]\nParagraph Alignment=1\nAlignment Paragraph=2\n");
    EXPECT_EQ(ReadSettings(path(), "").font.paragraphAlignment, 2);
}

TEST_F(SettingsFile, ExitKeysAreWrittenAsTheyStandAndReadBack)
{
    writeFile(path(), "[Printing]\nFitMethod=2\n[Directories]\nAutoCollageDirectory=/auto\n");
    Settings s = defaultSettings("/pics");
    s.toolBar1.buttonWidth = 60;
    s.toolBar1.buttonHeight = 45;
    s.toolBar1.width = 612;
    s.desktop = {12, 34, 1000, 700};
    s.palette.customColors[0] = 0x0000FF; // pure red
    s.palette.customColors[1] = 0x123456;
    s.stamps.fileNames = {"a.png", "b.png"};
    s.stamps.lastStampGroup = 2;
    s.font.textLine = "first line\nsecond line";
    WriteExitSettings(path(), s);
    SaveDesktopSettings(path(), s);

    const std::string text = readFile(path());
    EXPECT_NE(
        text.find("[ToolBar1]\nLeft=0\nTop=0\nButtonHeight=60\nButtonWidth=45\nWidth=612\nShowCaptions=1\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("Custom Color 0=0000FF\nCustom Color 1=123456\n"), std::string::npos);
    EXPECT_NE(
        text.find(
            "[Stamps]\nStamp Count=2\nStamp FileName0=a.png\nStamp FileName1=b.png\nLast Stamp Group=2\n"),
        std::string::npos);
    EXPECT_NE(text.find("TextLine=first line\n"), std::string::npos);
    EXPECT_NE(text.find("[CollageZoomToolbar]\nLeft=0\nTop=0\n"), std::string::npos);
    EXPECT_NE(text.find("Color=16777215"), std::string::npos); // colours in decimal
    // Keys of other windows are kept.
    EXPECT_NE(text.find("FitMethod=2"), std::string::npos);
    EXPECT_NE(text.find("AutoCollageDirectory=/auto"), std::string::npos);

    const Settings back = ReadSettings(path(), "/pics");
    EXPECT_EQ(back.toolBar1.buttonWidth, 60);
    EXPECT_EQ(back.toolBar1.buttonHeight, 45);
    EXPECT_EQ(back.desktop.left, 12);
    EXPECT_EQ(back.desktop.height, 700);
    EXPECT_EQ(back.palette.customColors, s.palette.customColors);
    EXPECT_EQ(back.stamps.fileNames, s.stamps.fileNames);
    EXPECT_EQ(back.font.textLine, "first line");
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(SettingsFile, AnEmptyPhotoFolderKeepsTheStoredValue)
{
    writeFile(path(), "[Directories]\nPhotoOpenDirectory=/kept\n");
    Settings s = defaultSettings("");
    s.folders.photoOpen.clear();
    WriteExitSettings(path(), s);
    EXPECT_EQ(ReadSettings(path(), "").folders.photoOpen, "/kept");
}

TEST_F(SettingsFile, MiscSettingsAlwaysStoreTheAutoCollageLimit)
{
    MiscSettings misc;
    misc.jpegCompression = 55;
    misc.splashScreen = false;
    misc.increaseAutoCollageLimit = false;
    WriteMiscSettings(path(), misc);
    const std::string text = readFile(path());
    EXPECT_NE(
        text.find("[Settings]\nJPEG Compression=55\nSplash Screen=0\nResample Preview=1\nShrink Email=1\n"
                  "Fast Rubberband=0\nIncrease Auto Collage Limit=1\n"),
        std::string::npos)
        << text;
}

TEST_F(SettingsFile, AFailedWriteLeavesTheGoodFileAndNoTemporary)
{
    Settings good = defaultSettings("/pics");
    WriteExitSettings(path(), good);
    const std::string before = readFile(path());
    ASSERT_FALSE(before.empty());

    // Files may grow to 64 bytes only: the new file cannot be written whole.
    Settings bigger = good;
    bigger.stamps.fileNames.assign(50, std::string(40, 'x'));
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit limit = oldLimit;
    limit.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    WriteExitSettings(path(), bigger);
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readFile(path()), before);
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(SettingsFile, AWriteIntoAMissingFolderFailsQuietly)
{
    EXPECT_FALSE(writeFileAtomically((m_folder / "no-such-folder" / "collage.cfg").string(), "x"));
    EXPECT_TRUE(leftovers().empty());
}

TEST(JpegQualityText, IsAWholeNumberFromZeroToHundredOrElseHundred)
{
    const std::pair<const char*, int> cases[] = {{"90", 90},   {"0", 0},     {"100", 100}, {"150", 100},
                                                 {"", 100},    {"9.5", 100}, {".", 100},   {"-5", 100},
                                                 {"0x5", 100}, {"007", 7}};
    for (const auto& [text, quality] : cases)
        EXPECT_EQ(jpegQualityFromText(text), quality) << '"' << text << '"';
}

TEST(RepaintPeriods, FollowFastRubberband)
{
    EXPECT_EQ(repaintPeriodAtStart(true), 100);
    EXPECT_EQ(repaintPeriodAtStart(false), 30);
    EXPECT_EQ(repaintPeriodAfterSave(true), 300);
    EXPECT_EQ(repaintPeriodAfterSave(false), 50);
}

TEST(StampSelectionRestore, SkipsNamesNoLongerListedAndLooksAtNoMoreThanTheListHolds)
{
    StampSelection stored{{"b.png", "gone.png", "a.png", "c.png"}, 3};
    const std::vector<std::string> list{"a.png", "b.png", "c.png"};
    // Only the first three stored names are looked at: "c.png" is fourth.
    EXPECT_EQ(selectedStampPositions(stored, list), (std::vector<int>{1, 0}));
    EXPECT_EQ(restoredStampGroup(stored, 3), 3);
    EXPECT_EQ(restoredStampGroup(stored, 2), -1);
}

TEST(CustomColourText, IsSixHexDigitsOfTheStoredValue)
{
    EXPECT_EQ(customColourText(0x0000FF), "0000FF");
    EXPECT_EQ(customColourText(0xFF0000), "FF0000");
    EXPECT_EQ(customColourText(0), "000000");
}

} // namespace
} // namespace quiltara::app
