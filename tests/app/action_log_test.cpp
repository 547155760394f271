#include "app/core/action_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quiltara::app {
namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct LogLineCase {
    const char* name;
    const char* detail;
    const char* line;
};

constexpr LogLineCase kLogLineCases[] = {
    {"", "", "                               | \n"},
    {"NewCollage", "", "NewCollage                     | \n"},
    {"AddNewSelection", "SelIndex 3", "AddNewSelection                | SelIndex 3\n"},
    {"ExactlyThirtyCharactersLongXYZ", "x", "ExactlyThirtyCharactersLongXYZ | x\n"},
    // A longer name is kept whole and followed directly by " | ".
    {"AnOperationNameLongerThanThirtyChars", "d", "AnOperationNameLongerThanThirtyChars | d\n"},
};

class LogLine : public ::testing::TestWithParam<LogLineCase> {};

TEST_P(LogLine, PadsTheNameToThirtyColumns)
{
    EXPECT_EQ(formatLogLine(GetParam().name, GetParam().detail), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Table, LogLine, ::testing::ValuesIn(kLogLineCases));

class ActionLogFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path =
            std::filesystem::temp_directory_path() /
            ("quiltara-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".log");
    }
    void TearDown() override
    {
        CloseActionLog();
        std::filesystem::remove(m_path);
    }
    std::filesystem::path m_path;
};

TEST_F(ActionLogFile, EachLineIsOnDiskAtOnceAndASecondRunStartsEmpty)
{
    ASSERT_TRUE(OpenActionLog(m_path.string()));
    LogAction("FirstRun", "START");
    // Flushed at once: readable before the log is closed.
    EXPECT_EQ(readFile(m_path), formatLogLine("FirstRun", "START"));
    CloseActionLog();

    ASSERT_TRUE(OpenActionLog(m_path.string()));
    LogAction("SecondRun");
    LogError(std::runtime_error("disk full"), "SaveCollage");
    EXPECT_EQ(readFile(m_path), formatLogLine("SecondRun", "") + formatLogLine("SaveCollage", "disk full"));
}

TEST_F(ActionLogFile, AnUnopenableLogTurnsLoggingOffSilently)
{
    EXPECT_FALSE(OpenActionLog("/nonexistent-folder/actions.log"));
    EXPECT_FALSE(ActionLogOpen());
    LogAction("Ignored", "nothing happens");
    LogError("still nothing", "Ignored");
}

} // namespace
} // namespace quiltara::app
