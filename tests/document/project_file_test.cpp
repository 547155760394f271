#include "document/project_error.h"
#include "document/project_reader.h"
#include "document/project_writer.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "project_fixture.h"

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace quiltara::document {
namespace {

using namespace testing;

class ProjectFile : public ProjectTest {};

// Three slots (the middle one freed) and two stamps.
void buildThreeSlotCollage(Collage& collage)
{
    setUpHeader(collage, "Holiday");
    addLivePhoto(collage, "/photos/a.jpg");
    addLivePhoto(collage, "/photos/b.jpg");
    addLiveText(collage, "Hello");
    deletePhoto(collage, 1);
    collage.Stamps = {stampNamed("heart.png"), stampNamed("star.png", 300, 400)};
}

TEST_F(ProjectFile, SavedSizesAreTheRecordsAndNothingElse)
{
    Collage empty;
    setUpHeader(empty, "Empty");
    SaveCollage(empty, (collages() / "Empty.CLG").string());
    EXPECT_EQ(fs::file_size(collages() / "Empty.CLG"), 2124u);

    Collage collage;
    buildThreeSlotCollage(collage);
    ASSERT_EQ(collage.NumSlots, 3);
    SaveCollage(collage, (collages() / "Holiday.CLG").string());
    EXPECT_EQ(fs::file_size(collages() / "Holiday.CLG"), 2124u + 3 * 2428 + 2 * 72);
    EXPECT_EQ(fs::file_size(collages() / "Holiday.CLG"), 9552u);
    EXPECT_EQ(collage.NumStamps, 2);
}

TEST_F(ProjectFile, EverySaveWritesTheVersionText)
{
    Collage collage;
    setUpHeader(collage, "Version");
    std::memcpy(collage.VersionText, "garbage!!!", 10);
    SaveCollage(collage, (collages() / "v.CLG").string());
    const auto bytes = readBytes(collages() / "v.CLG");
    const std::vector<std::uint8_t> expected{0x56, 0x65, 0x72, 0x20, 0x33, 0x2E, 0x30, 0x30, 0x09, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 30, bytes.begin() + 40), expected);
}

TEST_F(ProjectFile, ReadsBackSlotForSlotWithFreeSlotsKept)
{
    Collage saved;
    buildThreeSlotCollage(saved);
    saved.Zoom = 0.5f;
    saved.ZoomedWidth = 500;
    saved.ZoomedHeight = 400;
    saved.BgColor = 0x00123456;
    const auto bytes = encodeCollage(saved);

    Collage read;
    EXPECT_TRUE(readCollage(bytes, read).empty());
    EXPECT_EQ(read.NumSlots, 3);
    EXPECT_EQ(read.NumObjects, 2);
    EXPECT_TRUE(read.isLive(0));
    EXPECT_FALSE(read.isLive(1));
    EXPECT_TRUE(read.isLive(2));
    EXPECT_EQ(textOf(read.object(0).FileName), "/photos/a.jpg");
    EXPECT_EQ(textOf(read.object(2).TextLine), "Hello");
    EXPECT_EQ(read.object(2).ZOrder, 0);
    EXPECT_EQ(read.object(0).ZOrder, 1);
    ASSERT_EQ(read.Stamps.size(), 2u);
    EXPECT_EQ(textOf(read.Stamps[1].StampFile), "star.png");
    EXPECT_EQ(read.Stamps[1].X, 300);
    EXPECT_EQ(read.NumStamps, 2);
    EXPECT_EQ(read.Zoom, 0.5f);
    EXPECT_EQ(read.ZoomedWidth, 500);
    EXPECT_EQ(read.BgColor, 0x00123456u);
    // Every record has fresh, empty streams.
    for (int i = 0; i < 3; ++i)
        for (ImageStream* stream : read.object(i).streams())
            EXPECT_TRUE(*stream && (*stream)->empty());
    // What is read is written again byte for byte.
    const auto again = encodeCollage(read);
    ASSERT_EQ(again.size(), bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(again[i], bytes[i]) << "offset " << i;
}

TEST_F(ProjectFile, AFreeFirstSlotKeepsThePhotoInTheSecond)
{
    Collage saved;
    setUpHeader(saved, "Slots");
    addLivePhoto(saved, "/a.jpg");
    addLivePhoto(saved, "/b.jpg");
    saved.object(0).InUse = 0;
    --saved.NumObjects;
    saved.object(1).ZOrder = 0;
    Collage read;
    readCollage(encodeCollage(saved), read);
    EXPECT_FALSE(read.isLive(0));
    EXPECT_TRUE(read.isLive(1));
    EXPECT_EQ(textOf(read.object(1).FileName), "/b.jpg");
}

TEST_F(ProjectFile, ReferenceSlotsAreWrittenAsZero)
{
    Collage collage;
    setUpHeader(collage, "Refs");
    addLivePhoto(collage, "/a.jpg");
    collage.WallpaperRef = 0x11111111;
    collage.ObjectsRef[0] = 0x22222222;
    collage.object(0).DiskPhotoStreamRef = 0x33333333;
    collage.object(0).RotationMaskStreamRef = 0x44444444;
    const auto bytes = encodeCollage(collage);
    EXPECT_EQ(headerOf(bytes).WallpaperRef, 0u);
    EXPECT_EQ(headerOf(bytes).ObjectsRef[0], 0u);
    EXPECT_EQ(recordAt(bytes, 0).DiskPhotoStreamRef, 0u);
    EXPECT_EQ(recordAt(bytes, 0).RotationMaskStreamRef, 0u);
}

TEST_F(ProjectFile, ACutShortStampIsDroppedWithoutAMessage)
{
    Collage saved;
    buildThreeSlotCollage(saved);
    auto bytes = encodeCollage(saved);
    bytes.resize(bytes.size() - 10);
    Collage read;
    EXPECT_TRUE(readCollage(bytes, read).empty());
    EXPECT_EQ(read.Stamps.size(), 1u);
    EXPECT_EQ(read.NumStamps, 1);
}

TEST_F(ProjectFile, AtMostAThousandStampsAreRead)
{
    Collage saved;
    setUpHeader(saved, "Stamps");
    saved.Stamps.assign(1000, stampNamed("s.png"));
    auto bytes = encodeCollage(saved);
    const StampRecord extra = stampNamed("extra.png");
    for (int i = 0; i < 5; ++i)
        bytes.insert(bytes.end(), reinterpret_cast<const std::uint8_t*>(&extra),
                     reinterpret_cast<const std::uint8_t*>(&extra) + sizeof extra);
    Collage read;
    readCollage(bytes, read);
    EXPECT_EQ(read.Stamps.size(), 1000u);
    EXPECT_EQ(read.NumStamps, 1000);
}

TEST_F(ProjectFile, AShortHeaderLeavesAnEmptyCollage)
{
    Collage saved;
    buildThreeSlotCollage(saved);
    auto bytes = encodeCollage(saved);
    bytes.resize(900); // covers NumSlots and the canvas width, not the rest
    Collage read;
    EXPECT_EQ(readCollage(bytes, read), std::vector<std::string>{texts::kHeaderCorrupt});
    EXPECT_EQ(read.NumSlots, 0);
    EXPECT_EQ(read.NumObjects, 0);
    EXPECT_EQ(read.CanvasWidth, 1600);
    EXPECT_EQ(read.CanvasHeight, 1200);
    EXPECT_TRUE(read.Stamps.empty());
}

TEST_F(ProjectFile, AShortRecordEndsTheTableAsAFreeSlot)
{
    Collage saved;
    buildThreeSlotCollage(saved);
    auto bytes = encodeCollage(saved);
    bytes.resize(2124 + 2428 + 100);
    Collage read;
    EXPECT_EQ(readCollage(bytes, read), std::vector<std::string>{texts::kRecordShortRead});
    EXPECT_EQ(read.NumSlots, 2);
    EXPECT_TRUE(read.isLive(0));
    EXPECT_FALSE(read.isLive(1));
    EXPECT_EQ(read.object(1).ZOrder, -1);
    EXPECT_TRUE(read.Stamps.empty());
    EXPECT_TRUE(objectTableInvariantsHold(read));
}

struct HostileHeader {
    const char* what;
    void (*spoil)(CollageHeader&);
};

const HostileHeader kHostileHeaders[] = {
    {"NumSlots -1", [](CollageHeader& h) { h.NumSlots = -1; }},
    {"NumSlots 201", [](CollageHeader& h) { h.NumSlots = 201; }},
    {"NumSlots huge", [](CollageHeader& h) { h.NumSlots = 0x7FFFFFFF; }},
    {"canvas width 0", [](CollageHeader& h) { h.CanvasWidth = 0; }},
    {"canvas height 50001", [](CollageHeader& h) { h.CanvasHeight = 50001; }},
    {"canvas width negative", [](CollageHeader& h) { h.CanvasWidth = -5; }},
    {"empty name", [](CollageHeader& h) { std::memset(h.CollageName, 0, sizeof h.CollageName); }},
    {"name ..", [](CollageHeader& h) { storeTextCut(h.CollageName, ".."); }},
    {"name with /", [](CollageHeader& h) { storeTextCut(h.CollageName, "../../etc"); }},
    {"name with \\", [](CollageHeader& h) { storeTextCut(h.CollageName, "a\\b"); }},
    {"name with :", [](CollageHeader& h) { storeTextCut(h.CollageName, "c:x"); }},
    {"name with a control character", [](CollageHeader& h) { storeTextCut(h.CollageName, "a\nb"); }},
};

TEST_F(ProjectFile, AnUnusableHeaderIsReadAsAnEmptyCollage)
{
    Collage saved;
    buildThreeSlotCollage(saved);
    for (const HostileHeader& hostile : kHostileHeaders) {
        auto bytes = encodeCollage(saved);
        CollageHeader header = headerOf(bytes);
        hostile.spoil(header);
        std::memcpy(bytes.data(), &header, sizeof header);
        Collage read;
        EXPECT_EQ(readCollage(bytes, read), std::vector<std::string>{texts::kHeaderCorrupt}) << hostile.what;
        EXPECT_EQ(read.NumSlots, 0) << hostile.what;
        EXPECT_TRUE(read.Stamps.empty()) << hostile.what;
        EXPECT_EQ(textOf(read.CollageName), "") << hostile.what;
    }
}

TEST_F(ProjectFile, AZoomThatIsNoFactorIsReadAsOne)
{
    for (float zoom : {0.0f, -0.5f, 1.5f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()}) {
        Collage saved;
        setUpHeader(saved, "Zoom");
        saved.Zoom = zoom;
        saved.ZoomedWidth = 123456789;
        Collage read;
        readCollage(encodeCollage(saved), read);
        EXPECT_EQ(read.Zoom, 1.0f) << zoom;
        EXPECT_EQ(read.ZoomedWidth, 1000) << zoom;
    }
}

TEST_F(ProjectFile, ValuesThatCouldDoHarmAreMadeSafe)
{
    Collage saved;
    setUpHeader(saved, "Harm");
    for (int i = 0; i < 6; ++i)
        addLivePhoto(saved, "/p.jpg");
    saved.object(0).Width = 0;
    saved.object(1).Height = 50001;
    saved.object(2).Left = 0x7FFFFFF0; // Left + Width would overflow
    saved.object(3).IsText = 1;        // a photo and a text at once
    saved.object(4).CustomMaskPointCount = 5000;
    saved.object(5).CustomMaskPointCount = -3;
    saved.SelIndex = -7;
    saved.DragStartRect = {-2000000000, 0, 5, 5};
    Collage read;
    readCollage(encodeCollage(saved), read);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(read.isLive(i)) << i;
        EXPECT_EQ(read.object(i).Missing, 1) << i;
    }
    EXPECT_EQ(read.object(4).CustomMaskPointCount, 28);
    EXPECT_EQ(read.object(5).CustomMaskPointCount, 0);
    EXPECT_EQ(read.SelIndex, 0);
    EXPECT_EQ(read.DragStartRect, kNoRect);
    EXPECT_EQ(read.NumObjects, 2);
    EXPECT_TRUE(objectTableInvariantsHold(read));
}

TEST_F(ProjectFile, TheStackingOrderIsClosedUpOnlyWhereItHasGaps)
{
    Collage saved;
    setUpHeader(saved, "Order");
    for (int i = 0; i < 4; ++i)
        addLivePhoto(saved, "/p.jpg");
    // 3, 2, 1, 0 as added; drop the object at ZOrder 1 the way a missing
    // photo is dropped: its neighbours keep their numbers.
    saved.object(2).InUse = 0;
    saved.NumObjects = 4;
    Collage read;
    readCollage(encodeCollage(saved), read);
    EXPECT_EQ(read.NumObjects, 3);
    EXPECT_EQ(read.object(0).ZOrder, 2);
    EXPECT_EQ(read.object(1).ZOrder, 1);
    EXPECT_EQ(read.object(3).ZOrder, 0);
}

TEST_F(ProjectFile, AFullTableOfTwoHundredSlotsRoundTrips)
{
    Collage saved;
    setUpHeader(saved, "Full");
    for (int i = 0; i < kMaxObjects; ++i)
        addLiveText(saved, "t" + std::to_string(i));
    const auto bytes = encodeCollage(saved);
    EXPECT_EQ(bytes.size(), 2124u + 200 * 2428);
    Collage read;
    EXPECT_TRUE(readCollage(bytes, read).empty());
    EXPECT_EQ(read.NumObjects, 200);
    EXPECT_EQ(encodeCollage(read), bytes);
}

TEST_F(ProjectFile, ReadingAFileThatIsNoRegularFileFails)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(readCollageBytes((m_home / "nothing.CLG").string(), bytes));
    EXPECT_FALSE(readCollageBytes(m_home.string(), bytes));
    const fs::path pipe = m_home / "pipe.CLG";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_FALSE(readCollageBytes(pipe.string(), bytes)); // and does not hang
}

TEST_F(ProjectFile, SavingReplacesTheFileAndKeepsItsMode)
{
    const fs::path file = collages() / "Mode.CLG";
    writeBytes(file, std::vector<std::uint8_t>(50, 7));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Collage collage;
    setUpHeader(collage, "Mode");
    SaveCollage(collage, file.string());
    EXPECT_EQ(fs::file_size(file), 2124u);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(collages()), fs::directory_iterator()), 1);
}

TEST_F(ProjectFile, SavingThroughALinkReplacesTheFileItLeadsTo)
{
    const fs::path target = elsewhere() / "Real.CLG";
    writeBytes(target, {1, 2, 3});
    fs::create_symlink(target, collages() / "Link.CLG");
    Collage collage;
    setUpHeader(collage, "Link");
    SaveCollage(collage, (collages() / "Link.CLG").string());
    EXPECT_TRUE(fs::is_symlink(collages() / "Link.CLG"));
    EXPECT_EQ(fs::file_size(target), 2124u);
}

TEST_F(ProjectFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    const fs::path readOnly = collages() / "ReadOnly.CLG";
    const std::vector<std::uint8_t> old(77, 9);
    writeBytes(readOnly, old);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directories(m_home / "locked");
    fs::permissions(m_home / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                           fs::perms::others_read | fs::perms::others_exec);

    EXPECT_TRUE(withoutPrivileges([&] {
        Collage collage;
        setUpHeader(collage, "ReadOnly");
        bool refused = false;
        try {
            SaveCollage(collage, readOnly.string());
        }
        catch (const SaveError& e) {
            refused = e.cause() == std::strerror(EACCES) &&
                      std::string(e.what()).find(readOnly.string()) != std::string::npos;
        }
        bool folderRefused = false;
        try {
            SaveCollage(collage, (m_home / "locked" / "New.CLG").string());
        }
        catch (const SaveError&) {
            folderRefused = !fs::exists(m_home / "locked" / "New.CLG");
        }
        return refused && folderRefused;
    }));
    EXPECT_EQ(readBytes(readOnly), old);
    EXPECT_TRUE(fs::is_empty(m_home / "locked"));

    Collage collage;
    setUpHeader(collage, "Folder");
    EXPECT_THROW(SaveCollage(collage, collages().string()), SaveError);
}

} // namespace
} // namespace quiltara::document
