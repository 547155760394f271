#include "document/project_check.h"
#include "document/project_writer.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "project_fixture.h"

#include <cstring>

namespace quiltara::document {
namespace {

using namespace testing;

class ProjectCheck : public ProjectTest {
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        fs::create_directories(projectFolder("Trip"));
        setUpHeader(m_collage, "Trip");
        m_file = collages() / "Trip.CLG";
    }

    // Saves the collage and checks the file.
    CheckResult saveAndCheck(bool repair)
    {
        SaveCollage(m_collage, m_file.string());
        return validateCollageFile(m_file.string(), repair);
    }

    Collage m_collage;
    fs::path m_file;
};

TEST_F(ProjectCheck, ASoundFileOpensUntouched)
{
    touch(elsewhere() / "a.jpg");
    addLivePhoto(m_collage, (elsewhere() / "a.jpg").string());
    addLiveText(m_collage, "caption");
    SaveCollage(m_collage, m_file.string());
    const auto before = readBytes(m_file);
    const CheckResult result = validateCollageFile(m_file.string(), true);
    EXPECT_TRUE(result.checked);
    EXPECT_TRUE(result.opens);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(readBytes(m_file), before);
}

TEST_F(ProjectCheck, RefusalsNameTheirCause)
{
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
        const char* refusal;
    };
    const Case cases[] = {
        {"short header", [](auto& b) { b.resize(2000); }, texts::kHeaderCorrupt},
        {"NumSlots 201",
         [](auto& b) {
             const std::int32_t slots = 201;
             std::memcpy(b.data() + 844, &slots, 4);
         },
         texts::kRecordShortCheck},
        {"NumSlots -1",
         [](auto& b) {
             const std::int32_t slots = -1;
             std::memcpy(b.data() + 844, &slots, 4);
         },
         texts::kRecordShortCheck},
        {"canvas 0 wide",
         [](auto& b) {
             const std::int32_t width = 0;
             std::memcpy(b.data() + 876, &width, 4);
         },
         texts::kHeaderCorrupt},
        {"name ..", [](auto& b) { std::memcpy(b.data(), "..\0", 3); }, texts::kHeaderCorrupt},
        {"name without folder", [](auto& b) { std::memcpy(b.data(), "Gone\0", 5); },
         texts::kProjectFolderMissing},
        {"record cut short", [](auto& b) { b.resize(2124 + 2428 + 10); }, texts::kRecordShortCheck},
    };
    addLiveText(m_collage, "one");
    addLiveText(m_collage, "two");
    SaveCollage(m_collage, m_file.string());
    const auto sound = readBytes(m_file);
    for (const Case& c : cases) {
        auto bytes = sound;
        c.spoil(bytes);
        writeBytes(m_file, bytes);
        const CheckResult result = validateCollageFile(m_file.string(), true);
        EXPECT_FALSE(result.opens) << c.what;
        EXPECT_EQ(result.refusal, c.refusal) << c.what;
        EXPECT_EQ(readBytes(m_file), bytes) << c.what; // a refused file is not mended
    }
}

TEST_F(ProjectCheck, AReadOnlyFileOpensWithoutACheck)
{
    m_collage.CollageName[0] = '.'; // a name that a check would refuse
    m_collage.CollageName[1] = '\0';
    addLivePhoto(m_collage, "/nowhere/gone.jpg");
    SaveCollage(m_collage, m_file.string());
    const auto before = readBytes(m_file);
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(withoutPrivileges([&] {
        const CheckResult result = validateCollageFile(m_file.string(), true);
        return !result.checked && result.opens;
    }));
    EXPECT_EQ(readBytes(m_file), before);
}

TEST_F(ProjectCheck, APathThatIsNoReadableFileIsRefused)
{
    for (const fs::path& path : {m_home / "missing.CLG", collages()}) {
        const CheckResult result = validateCollageFile(path.string(), true);
        EXPECT_FALSE(result.opens) << path;
        EXPECT_EQ(result.refusal, texts::kFileUnreadable) << path;
    }
}

TEST_F(ProjectCheck, AMovedPhotoWithACopyInTheProjectFolderIsLeftAlone)
{
    touch(projectFolder("Trip") / "beach.jpg");
    addLivePhoto(m_collage, "C:\\Users\\someone\\Pictures\\beach.jpg");
    const CheckResult result = saveAndCheck(true);
    EXPECT_TRUE(result.opens);
    EXPECT_TRUE(result.problems.empty());
    const SCREENOBJECT record = recordAt(readBytes(m_file), 0);
    EXPECT_EQ(record.InUse, 1);
    EXPECT_EQ(textOf(record.FileName), "C:\\Users\\someone\\Pictures\\beach.jpg");
}

TEST_F(ProjectCheck, APhotoWithoutFileOrCopyBecomesAFreeSlotOnce)
{
    addLivePhoto(m_collage, "/gone/beach.jpg");
    storeTerminatedText(m_collage.object(0).MaskFileName, "/gone/mask.bmp");
    addLiveText(m_collage, "stays");

    const CheckResult checkOnly = saveAndCheck(false);
    ASSERT_EQ(checkOnly.problems.size(), 1u);
    EXPECT_EQ(recordAt(readBytes(m_file), 0).InUse, 1); // nothing written without repair

    const CheckResult repaired = validateCollageFile(m_file.string(), true);
    EXPECT_TRUE(repaired.opens);
    EXPECT_EQ(repaired.problems, std::vector<std::string>{"Collage Photo is Missing! " +
                                                          (projectFolder("Trip") / "beach.jpg").string()});
    const auto bytes = readBytes(m_file);
    const SCREENOBJECT record = recordAt(bytes, 0);
    EXPECT_EQ(record.InUse, 0);
    EXPECT_EQ(record.Missing, 1);
    EXPECT_EQ(textOf(record.FileName), "");
    EXPECT_EQ(textOf(record.MaskFileName), "");
    EXPECT_EQ(recordAt(bytes, 1).InUse, 1);

    EXPECT_TRUE(validateCollageFile(m_file.string(), true).problems.empty());
}

TEST_F(ProjectCheck, MissingMasksAndStampsAreForgottenUnlessTheProgramHasThem)
{
    touch(program() / "Masks" / "oval.bmp");
    touch(program() / "stamps" / "heart.png");
    touch(elsewhere() / "p.jpg");
    addLivePhoto(m_collage, (elsewhere() / "p.jpg").string());
    addLivePhoto(m_collage, (elsewhere() / "p.jpg").string());
    storeTerminatedText(m_collage.object(0).MaskFileName, "D:\\old\\MASKS\\oval.bmp");
    storeTerminatedText(m_collage.object(1).MaskFileName, "D:\\old\\MASKS\\star.bmp");
    m_collage.Stamps = {stampNamed("Stamps\\heart.png"), stampNamed("Stamps\\gone.png")};

    const CheckResult result = saveAndCheck(true);
    EXPECT_EQ(result.problems.size(), 2u);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(textOf(recordAt(bytes, 0).MaskFileName), "D:\\old\\MASKS\\oval.bmp");
    EXPECT_EQ(textOf(recordAt(bytes, 1).MaskFileName), "");
    EXPECT_EQ(recordAt(bytes, 1).InUse, 1);
    StampRecord stamps[2];
    std::memcpy(stamps, bytes.data() + 2124 + 2 * 2428, sizeof stamps);
    EXPECT_EQ(textOf(stamps[0].StampFile), "Stamps\\heart.png");
    EXPECT_EQ(textOf(stamps[1].StampFile), "");
    EXPECT_EQ(stamps[1].X, 5); // the rest of the record stays
}

TEST_F(ProjectCheck, ATextureFromElsewhereIsPointedAtTheProgramsFolder)
{
    struct Case {
        const char* what;
        std::vector<const char*> present; // below the program folder
        const char* expected;             // below the program folder; "" = cleared
    };
    const Case cases[] = {
        {"in TEXTURES", {"TEXTURES/wood.bmp", "TEXTURES/Themes/wood.bmp"}, "TEXTURES/wood.bmp"},
        {"in Themes only", {"TEXTURES/Themes/wood.bmp"}, "TEXTURES/Themes/wood.bmp"},
        {"in neither", {}, "TEXTURES/wood.bmp"},
    };
    for (const Case& c : cases) {
        fs::remove_all(program() / "TEXTURES");
        fs::create_directories(program() / "TEXTURES" / "Themes");
        for (const char* file : c.present)
            touch(program() / file);
        storeTerminatedText(m_collage.BgTextureFile, "C:\\Program Files\\Other\\Textures\\wood.bmp");
        EXPECT_TRUE(saveAndCheck(true).opens) << c.what;
        EXPECT_EQ(textOf(headerOf(readBytes(m_file)).BgTextureFile), (program() / c.expected).string())
            << c.what;
    }
}

TEST_F(ProjectCheck, ATexturePathThatDoesNotFitIsNotStored)
{
    const std::string longName(120, 'w');
    fs::create_directories(program() / "TEXTURES");
    storeTerminatedText(m_collage.BgTextureFile, "C:\\x\\" + longName);
    // The program folder plus TEXTURES plus the name exceeds 139 characters.
    ASSERT_GT((program() / "TEXTURES" / longName).string().size(), 139u);
    const CheckResult result = saveAndCheck(true);
    EXPECT_TRUE(result.opens);
    EXPECT_EQ(textOf(headerOf(readBytes(m_file)).BgTextureFile), "");
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("Missing"), std::string::npos);
}

TEST_F(ProjectCheck, ObjectsThatCanNotBeShownAreTakenOutAndHarmfulValuesMended)
{
    addLiveText(m_collage, "too wide");
    addLiveText(m_collage, "ok");
    m_collage.object(0).Width = 60000;
    m_collage.object(1).CustomMaskPointCount = 99;
    m_collage.Zoom = 7.0f;
    const CheckResult result = saveAndCheck(true);
    EXPECT_TRUE(result.opens);
    EXPECT_EQ(result.problems.size(), 3u);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(recordAt(bytes, 0).InUse, 0);
    EXPECT_EQ(recordAt(bytes, 0).Missing, 1);
    EXPECT_EQ(recordAt(bytes, 1).CustomMaskPointCount, 28);
    EXPECT_EQ(headerOf(bytes).Zoom, 1.0f);
}

TEST_F(ProjectCheck, StampsBeyondAThousandAndATrailingPieceAreIgnored)
{
    m_collage.Stamps.assign(1000, stampNamed(""));
    SaveCollage(m_collage, m_file.string());
    auto bytes = readBytes(m_file);
    StampRecord gone = stampNamed("gone.png");
    bytes.insert(bytes.end(), reinterpret_cast<std::uint8_t*>(&gone),
                 reinterpret_cast<std::uint8_t*>(&gone) + sizeof gone);
    writeBytes(m_file, bytes);
    const CheckResult result = validateCollageFile(m_file.string(), true);
    EXPECT_TRUE(result.opens);
    ASSERT_EQ(result.problems.size(), 1u); // the 1001st stamp is not looked at
    EXPECT_EQ(readBytes(m_file), bytes);

    bytes.resize(2124 + 72 * 3 + 40);
    writeBytes(m_file, bytes);
    EXPECT_EQ(validateCollageFile(m_file.string(), true).problems.size(), 1u);
}

TEST_F(ProjectCheck, WorksOnBytesInMemory)
{
    addLivePhoto(m_collage, "/gone.jpg");
    MemoryRecordFile file(encodeCollage(m_collage));
    const CheckResult result = checkCollageFile(file, true);
    EXPECT_TRUE(result.opens);
    EXPECT_EQ(recordAt(file.bytes(), 0).Missing, 1);
}

} // namespace
} // namespace quiltara::document
