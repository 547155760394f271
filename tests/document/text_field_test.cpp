#include "document/text_field.h"

#include "document/records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quiltara::document {
namespace {

TEST(TextField, AThirtyCharacterNameFillsTheFieldWithoutATerminator)
{
    CollageHeader header{};
    const std::string name(30, 'n');
    ASSERT_TRUE(storeText(header.CollageName, name));
    EXPECT_EQ(header.CollageName[29], 'n');
    EXPECT_EQ(header.VersionText[0], 0); // the next field is untouched
    EXPECT_EQ(textOf(header.CollageName), name);
}

TEST(TextField, ReadersStopAtTheFieldEndEvenWithoutANul)
{
    StampRecord stamp{};
    std::memset(stamp.StampFile, 'x', sizeof stamp.StampFile);
    stamp.reserved50[0] = 'y';
    EXPECT_EQ(textOf(stamp.StampFile), std::string(50, 'x'));
}

TEST(TextField, TextThatDoesNotFitIsRefusedOrCut)
{
    SCREENOBJECT o{};
    ASSERT_TRUE(storeTerminatedText(o.FileName, "a.jpg"));
    EXPECT_FALSE(storeTerminatedText(o.FileName, std::string(150, 'p')));
    EXPECT_EQ(textOf(o.FileName), "a.jpg");
    EXPECT_TRUE(storeTerminatedText(o.FileName, std::string(149, 'p')));
    EXPECT_EQ(o.FileName[149], 0);

    CollageHeader header{};
    storeTextCut(header.CollageName, std::string(40, 'c'));
    EXPECT_EQ(textOf(header.CollageName), std::string(30, 'c'));
}

} // namespace
} // namespace quiltara::document
