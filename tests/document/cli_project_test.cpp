#include "document/project_writer.h"
#include "document/text_field.h"
#include "project_fixture.h"

#include <sys/wait.h>

#include <cstdio>

namespace quiltara::document {
namespace {

using namespace testing;

struct CliRun {
    int exitCode = -1;
    std::string out;
};

CliRun runCli(const std::string& arguments)
{
    const std::string command = std::string(QUILTARA_PROGRAM_DIR) + "/quiltara-cli " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quotedPath(const fs::path& path)
{
    return "'" + path.string() + "'";
}

class ProjectCli : public ProjectTest {};

TEST_F(ProjectCli, InfoPrintsEveryRecordAsJson)
{
    Collage collage;
    setUpHeader(collage, "Info");
    collage.Zoom = 0.76f;
    addLivePhoto(collage, "/photos/\"quoted\".jpg");
    addLiveText(collage, "line one\nline two");
    collage.Stamps = {stampNamed("heart.png", 7, 8)};
    const fs::path file = collages() / "Info.CLG";
    SaveCollage(collage, file.string());

    const CliRun run = runCli("info " + quotedPath(file));
    EXPECT_EQ(run.exitCode, 0) << run.out;
    for (const char* expected :
         {"\"size\": 7052", "\"CollageName\": \"Info\"", "\"VersionText\": \"Ver 3.00\\u0009\"",
          "\"Zoom\": 0.76", "\"NumSlots\": 2", "\"FileName\": \"/photos/\\\"quoted\\\".jpg\"",
          "\"TextLine\": \"line one\\u000aline two\"", "\"BgColor\": 16777215", "\"slot\": 1",
          "\"StampFile\": \"heart.png\"", "\"X\": 7",
          "\"CropRect\": {\"Left\": -1, \"Top\": -1, \"Right\": -1, \"Bottom\": -1}"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    EXPECT_EQ(run.out.find("StreamRef"), std::string::npos); // reference slots are left out
}

TEST_F(ProjectCli, InfoRefusesWhatIsNoCollage)
{
    writeBytes(m_home / "short.CLG", std::vector<std::uint8_t>(100, 1));
    const CliRun run = runCli("info " + quotedPath(m_home / "short.CLG"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("shorter than a header"), std::string::npos) << run.out;
    EXPECT_EQ(runCli("info").exitCode, 2);
}

TEST_F(ProjectCli, CheckReportsAndRepairsAsTheEditorDoes)
{
    fs::create_directories(projectFolder("Check"));
    Collage collage;
    setUpHeader(collage, "Check");
    addLivePhoto(collage, "/gone/photo.jpg");
    const fs::path file = collages() / "Check.CLG";
    SaveCollage(collage, file.string());

    CliRun run = runCli("check " + quotedPath(file));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Collage Photo is Missing! " + (projectFolder("Check") / "photo.jpg").string() + "\nopens\n");
    EXPECT_EQ(recordAt(readBytes(file), 0).InUse, 1);

    run = runCli("check " + quotedPath(file) + " --repair");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("opens (repaired)"), std::string::npos);
    EXPECT_EQ(recordAt(readBytes(file), 0).Missing, 1);
    EXPECT_EQ(runCli("check " + quotedPath(file)).out, "opens\n");

    fs::remove_all(projectFolder("Check"));
    run = runCli("check " + quotedPath(file));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("refused: Project directory for this collage no longer exists"), std::string::npos)
        << run.out;
}

} // namespace
} // namespace quiltara::document
