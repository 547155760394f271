#include "document/collage.h"

#include "document/document_error.h"
#include "document/text_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace quiltara::document {
namespace {

// Adds a live photo the way the adding commands do: take the slot, fill the
// record, then make it live.
int addPhoto(Collage& collage, const char* file = "/photos/a.jpg", int width = 20, int height = 20)
{
    const int slot = AddNewSelection(collage, 0, 0, width, height);
    ScreenObject& o = collage.object(slot);
    o.IsPhoto = 1;
    storeTerminatedText(o.FileName, file);
    o.InUse = 1;
    return slot;
}

// The live ZOrders must be exactly 0 .. NumObjects-1.
void expectZOrdersArePermutation(const Collage& collage)
{
    std::vector<int> orders;
    for (int i = 0; i < collage.NumSlots; ++i)
        if (collage.isLive(i))
            orders.push_back(collage.object(i).ZOrder);
    ASSERT_EQ(static_cast<int>(orders.size()), collage.NumObjects);
    std::sort(orders.begin(), orders.end());
    for (int i = 0; i < static_cast<int>(orders.size()); ++i)
        EXPECT_EQ(orders[static_cast<std::size_t>(i)], i);
}

TEST(AddNewSelection, FirstObjectTakesSlotZeroAtTheFront)
{
    Collage collage;
    const int slot = addPhoto(collage);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(collage.NumSlots, 1);
    EXPECT_EQ(collage.NumObjects, 1);
    EXPECT_EQ(collage.object(0).ZOrder, 0);
    EXPECT_EQ(collage.SelIndex, 0);
    EXPECT_TRUE(collage.CollageModified);
    EXPECT_EQ(collage.object(0).Bounds, (Rect32{0, 0, 20, 20}));
    EXPECT_EQ(collage.SelRect, (Rect32{0, 0, 20, 20}));
    ASSERT_TRUE(collage.object(0).DiskPhotoStream);
    EXPECT_TRUE(collage.object(0).DiskPhotoStream->empty());
}

TEST(AddNewSelection, ANewRecordHasTheDefaults)
{
    Collage collage;
    const int slot = AddNewSelection(collage, 5, 6, 7, 8);
    const ScreenObject& o = collage.object(slot);
    EXPECT_EQ(o.InUse, 0); // live only once the caller has filled it
    EXPECT_EQ(o.TransparentColor, 0xAAABCDEFu);
    EXPECT_EQ(o.AspectRatio, 1.0f);
    EXPECT_EQ(o.MaintainAspect, 1);
    EXPECT_EQ(o.ZOrder, 0);
    EXPECT_EQ(o.CropRect, kNoRect);
    EXPECT_EQ(o.ShadowDepth, 3);
    EXPECT_EQ(o.ShadowIntensity, 120);
    EXPECT_EQ(o.HaloDepth, 4);
    EXPECT_EQ(o.HaloIntensity, 1);
    EXPECT_EQ(o.Saturation, 128);
    EXPECT_EQ(o.Value, 255);
    EXPECT_EQ(o.CustomMaskEdge, 10);
    EXPECT_EQ(o.CustomMaskPointCount, 28);
    EXPECT_EQ(o.BorderWidth, 4);
    EXPECT_EQ(o.BorderColor, kWhite);
    EXPECT_EQ(o.TextGradientStartColor, kWhite);
    EXPECT_EQ(o.TextGradientEndColor, 0x00808080u);
    EXPECT_EQ(o.TextHaloDepth, 4);
    EXPECT_EQ(o.TextShadowDepth, 2);
    EXPECT_EQ(o.TextBorderWidth, 1);
    EXPECT_EQ(o.RotationWidthRatio, 0.0f);
    EXPECT_EQ(collage.ResizeCacheIndex, -1);
}

TEST(DestroyAndInitScreenObject, ResetsToDefaultsAndReleasesStreams)
{
    Collage collage;
    ScreenObject o;
    o.ZOrder = 5;
    o.Shadow = 1;
    o.RotationAngle = 30;
    o.CustomMaskPoints[3] = {4, 5};
    storeTerminatedText(o.FileName, "x.jpg");
    o.ResizedPhotoStream = std::make_unique<imaging::BmpStream>();
    collage.ResizeCacheIndex = 2;
    DestroyAndInitScreenObject(collage, o);
    EXPECT_EQ(o.ZOrder, -1);
    EXPECT_EQ(o.Shadow, 0);
    EXPECT_EQ(o.RotationAngle, 0);
    EXPECT_EQ(o.CustomMaskPoints[3], (Point32{0, 0}));
    EXPECT_EQ(textOf(o.FileName), "");
    EXPECT_FALSE(o.ResizedPhotoStream);
    EXPECT_EQ(o.TransparentColor, kTransparentColorNotTaken);
    EXPECT_EQ(collage.ResizeCacheIndex, -1);
}

TEST(DeletePhoto, FreesAMiddleSlotWhichTheNextObjectReuses)
{
    Collage collage;
    addPhoto(collage);
    addPhoto(collage);
    addPhoto(collage);
    deletePhoto(collage, 1);
    EXPECT_EQ(collage.NumSlots, 3);
    EXPECT_EQ(collage.NumObjects, 2);
    EXPECT_FALSE(collage.isLive(1));
    expectZOrdersArePermutation(collage);

    EXPECT_EQ(addPhoto(collage), 1);
    EXPECT_EQ(collage.NumSlots, 3);
    EXPECT_EQ(collage.NumObjects, 3);
    expectZOrdersArePermutation(collage);
}

TEST(DeletePhoto, TheLastSlotShrinksTheRangeByExactlyOne)
{
    Collage collage;
    addPhoto(collage);
    addPhoto(collage);
    addPhoto(collage);
    deletePhoto(collage, 1);
    deletePhoto(collage, 2);
    // Slot 1 below is free too, but the range shrinks by one only.
    EXPECT_EQ(collage.NumSlots, 2);
    EXPECT_EQ(collage.NumObjects, 1);
}

TEST(DeletePhoto, SelectsTheFrontMostRemainingObject)
{
    Collage collage;
    const int back = addPhoto(collage);
    const int middle = addPhoto(collage);
    const int front = addPhoto(collage);
    // Deleting the front object: the one behind it comes to ZOrder 0.
    deletePhoto(collage, front);
    EXPECT_EQ(collage.SelIndex, middle);
    EXPECT_EQ(collage.object(middle).ZOrder, 0);
    EXPECT_EQ(collage.object(back).ZOrder, 1);
    EXPECT_EQ(collage.SelBoxesDirty, 1);
    EXPECT_EQ(collage.SelectionHidden, 0);
    EXPECT_EQ(collage.DragStartUnrotatedWidth, 0);

    // Deleting an object behind the front one leaves the front one's layer.
    const int newFront = addPhoto(collage);
    deletePhoto(collage, back);
    EXPECT_EQ(collage.object(newFront).ZOrder, 0);
    EXPECT_EQ(collage.object(middle).ZOrder, 1);
    EXPECT_EQ(collage.SelIndex, newFront);
}

TEST(DeletePhoto, TheLastObjectLeavesAnEmptyRange)
{
    Collage collage;
    const int slot = addPhoto(collage);
    deletePhoto(collage, slot);
    EXPECT_EQ(collage.NumSlots, 0);
    EXPECT_EQ(collage.NumObjects, 0);
    EXPECT_EQ(collage.SelIndex, 0);
    EXPECT_EQ(collage.SelRect.Left, -1);
    EXPECT_EQ(collage.DragStartUnrotatedWidth, -1);
    EXPECT_EQ(collage.SizingHandle, -1);
}

TEST(DeletePhoto, IgnoresSlotsThatAreNotLive)
{
    Collage collage;
    addPhoto(collage);
    deletePhoto(collage, 5);
    deletePhoto(collage, -1);
    EXPECT_EQ(collage.NumObjects, 1);
}

TEST(ObjectTable, ZOrdersStayAPermutationUnderRandomAddsAndDeletes)
{
    std::mt19937 rng(2024);
    Collage collage;
    for (int step = 0; step < 2000; ++step) {
        if (collage.NumObjects == 0 || (rng() % 3 != 0 && collage.NumObjects < kMaxObjects)) {
            addPhoto(collage);
        } else {
            std::vector<int> live;
            for (int i = 0; i < collage.NumSlots; ++i)
                if (collage.isLive(i))
                    live.push_back(i);
            deletePhoto(collage, live[rng() % live.size()]);
        }
        ASSERT_LE(collage.NumObjects, collage.NumSlots);
        ASSERT_LE(collage.NumSlots, kMaxObjects);
        expectZOrdersArePermutation(collage);
        if (collage.NumObjects > 0) {
            ASSERT_EQ(collage.object(collage.SelIndex).ZOrder, 0) << "step " << step;
        }
    }
}

TEST(AddNewSelection, AReusedSlotCarriesNothingOver)
{
    Collage collage;
    const int slot = addPhoto(collage);
    ScreenObject& old = collage.object(slot);
    old.Locked = 1;
    old.OrnateFrame = 1;
    storeTerminatedText(old.OrnateFrameFile, "gold.bmp");
    old.CustomMasked = 1;
    old.CustomMaskShape = 3;
    old.IncludeMatte = 1;
    old.TextBold = 1;
    addPhoto(collage); // keeps the range from shrinking to nothing
    deletePhoto(collage, slot);

    EXPECT_EQ(AddNewSelection(collage, 0, 0, 20, 20), slot);
    const ScreenObject& reused = collage.object(slot);
    EXPECT_EQ(reused.Locked, 0);
    EXPECT_EQ(reused.OrnateFrame, 0);
    EXPECT_EQ(textOf(reused.OrnateFrameFile), "");
    EXPECT_EQ(reused.CustomMasked, 0);
    EXPECT_EQ(reused.CustomMaskShape, 0);
    EXPECT_EQ(reused.IncludeMatte, 0);
    EXPECT_EQ(reused.TextBold, 0);
}

TEST(AddNewSelection, The201stObjectIsRefusedWithoutTouchingTheTable)
{
    Collage collage;
    for (int i = 0; i < kMaxObjects; ++i)
        addPhoto(collage);
    EXPECT_THROW(AddNewSelection(collage, 0, 0, 20, 20), DocumentError);
    EXPECT_EQ(collage.NumSlots, kMaxObjects);
    EXPECT_EQ(collage.NumObjects, kMaxObjects);
    expectZOrdersArePermutation(collage);
    // A freed slot can be used again.
    deletePhoto(collage, 17);
    EXPECT_EQ(addPhoto(collage), 17);
}

TEST(CloneSelectedPhoto, CopiesTheRecordIntoAnIndependentObjectInFront)
{
    Collage collage;
    const int source = addPhoto(collage, "/photos/beach.jpg", 300, 200);
    ScreenObject& s = collage.object(source);
    s.Left = 40;
    s.Top = 50;
    s.Shadow = 1;
    s.Locked = 1;
    s.RotationAngle = 30;
    s.ResizedPhotoStream = std::make_unique<imaging::BmpStream>();
    imaging::Bitmap pixels(3, 2, 3);
    pixels.fill(0x00112233);
    s.ResizedPhotoStream->store(pixels.view());
    s.DiskPhotoStream->store(pixels.view());

    const int clone = CloneSelectedPhoto(collage);
    ASSERT_NE(clone, source);
    const ScreenObject& n = collage.object(clone);
    EXPECT_EQ(n.InUse, 1);
    EXPECT_EQ(n.Left, 0);
    EXPECT_EQ(n.Top, 0);
    EXPECT_EQ(n.Width, 300);
    EXPECT_EQ(n.Height, 200);
    EXPECT_EQ(n.ZOrder, 0);
    EXPECT_EQ(collage.object(source).ZOrder, 1);
    EXPECT_EQ(textOf(n.FileName), "/photos/beach.jpg");
    EXPECT_EQ(n.Shadow, 1);
    EXPECT_EQ(n.Locked, 1);
    EXPECT_EQ(n.RotationAngle, 30);
    EXPECT_EQ(n.Bounds, (Rect32{0, 0, 300, 200}));
    EXPECT_EQ(collage.SelIndex, clone);
    EXPECT_EQ(collage.NumObjects, 2);

    // Same content, separate streams: changing one leaves the other alone.
    ASSERT_TRUE(n.ResizedPhotoStream && n.MaskStream && n.RotationMaskStream && n.PreviewStream);
    EXPECT_EQ(n.ResizedPhotoStream->bytes(), s.ResizedPhotoStream->bytes());
    EXPECT_NE(n.ResizedPhotoStream.get(), s.ResizedPhotoStream.get());
    EXPECT_EQ(n.DiskPhotoStream->bytes(), s.DiskPhotoStream->bytes());
    collage.object(clone).ResizedPhotoStream->clear();
    EXPECT_FALSE(s.ResizedPhotoStream->empty());
    EXPECT_EQ(s.Left, 40);
    EXPECT_TRUE(s.NeedsRefresh);
}

TEST(CloneSelectedPhoto, RefusesATextObject)
{
    Collage collage;
    const int slot = AddNewSelection(collage, 0, 0, 100, 100);
    collage.object(slot).IsText = 1;
    collage.object(slot).InUse = 1;
    EXPECT_THROW(CloneSelectedPhoto(collage), DocumentError);
}

TEST(MarkToRefreshAllOnScreenObjects, MarksOnlyObjectsInTheVisibleWindow)
{
    Collage collage;
    collage.View = {-100, -50, 400, 300}; // window (100, 50) .. (500, 350)
    struct Place {
        int left, top;
        bool visible;
    };
    // Objects are 20 x 20; edges that touch the window count as inside.
    const Place places[] = {{0, 0, false},     {90, 40, true},   {80, 30, true},   {501, 60, false},
                            {200, 351, false}, {500, 350, true}, {79, 100, false}, {300, 29, false}};
    std::vector<int> slots;
    for (const Place& p : places) {
        const int slot = addPhoto(collage);
        collage.object(slot).Left = p.left;
        collage.object(slot).Top = p.top;
        UpdateSelRect(collage, slot);
        collage.object(slot).ScreenValid = 1;
        slots.push_back(slot);
    }
    collage.CollageModified = false;
    MarkToRefreshAllOnScreenObjects(collage);
    EXPECT_TRUE(collage.CollageModified);
    for (std::size_t i = 0; i < std::size(places); ++i) {
        const ScreenObject& o = collage.object(slots[i]);
        EXPECT_EQ(o.NeedsRefresh, places[i].visible ? 1 : 0) << "place " << i;
        EXPECT_EQ(o.ScreenValid, places[i].visible ? 1 : 0) << "place " << i;
    }
}

TEST(UpdateSelRect, RoundsThePositionUpAndTruncatesTheSize)
{
    Collage collage;
    const int slot = addPhoto(collage);
    ScreenObject& o = collage.object(slot);
    o.Left = 11;
    o.Top = 3;
    o.Width = 101;
    o.Height = 51;
    collage.Zoom = 0.5f;
    UpdateSelRect(collage, slot);
    EXPECT_EQ(o.Bounds, (Rect32{11, 3, 112, 54}));
    EXPECT_EQ(collage.SelRect, (Rect32{6, 2, 56, 27}));
}

TEST(DeleteCollage, EmptiesTheDocument)
{
    Collage collage;
    collage.View = {0, 0, 64, 48};
    InitCollage(collage);
    EXPECT_EQ(collage.Wallpaper.width(), 64);
    addPhoto(collage);
    addPhoto(collage);
    storeTerminatedText(collage.BgTextureFile, "/t/wood.jpg");

    struct Recorder : CollageObserver {
        std::set<int> removed;
        bool released = false;
        void objectMenuEntryRemoved(int slot) override { removed.insert(slot); }
        void scratchBitmapsReleased() override { released = true; }
    } recorder;
    collage.Observer = &recorder;
    DeleteCollage(collage);
    EXPECT_EQ(collage.NumSlots, 0);
    EXPECT_EQ(collage.NumObjects, 0);
    EXPECT_EQ(collage.SelIndex, 0);
    EXPECT_EQ(textOf(collage.BgTextureFile), "");
    EXPECT_TRUE(collage.Wallpaper.empty());
    EXPECT_FALSE(collage.Objects[0]);
    EXPECT_EQ(recorder.removed, (std::set<int>{0, 1}));
    EXPECT_TRUE(recorder.released);
}

struct CaptionCase {
    bool isText;
    bool fromClipboard;
    const char* content;
    const char* caption;
};

constexpr CaptionCase kCaptionCases[] = {
    {false, false, "/home/u/Pictures/beach.jpg", "Photo: beach.jpg"},
    {false, false, "C:\\Photos\\old.jpg", "Photo: old.jpg"},
    {false, true, "/ws/data/temp/CLIP3.bmp", "Clipboard: CLIP3.bmp"},
    {true, false, "Hello", "Text: Hello.."},
    {true, false, "Exactly nineteen ch", "Text: Exactly nineteen ch.."},
    {true, false, "A first line that is long\nsecond", "Text: A first line that i.."},
    {true, false, "One\nTwo", "Text: One.."},
};

class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, NamesTheObject)
{
    ScreenObject o;
    o.IsText = GetParam().isText;
    o.IsPhoto = !GetParam().isText;
    o.FromClipboard = GetParam().fromClipboard;
    if (o.IsText)
        storeText(o.TextLine, GetParam().content);
    else
        storeTerminatedText(o.FileName, GetParam().content);
    o.ZOrder = 2;
    EXPECT_EQ(ObjectCaption(o), GetParam().caption);
    EXPECT_EQ(ObjectMenuText(o), std::string(GetParam().caption) + " (Layer 2)");
}

INSTANTIATE_TEST_SUITE_P(Table, Caption, ::testing::ValuesIn(kCaptionCases));

} // namespace
} // namespace quiltara::document
