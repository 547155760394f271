#include "../test_pictures.h"
#include "imaging/bmp_stream.h"
#include "imaging/picture_decoder.h"
#include "imaging/resample.h"
#include "imaging/rotate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace quiltara::imaging {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string output; // standard output and error together
};

CliRun cli(const std::string& arguments)
{
    const std::string command = std::string(QUILTARA_CLI) + " " + arguments + " 2>&1";
    CliRun run{-1, {}};
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            run.output += buffer;
        const int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

class PictureCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("quiltara-cli-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        m_picture = testing::randomBitmap(40, 30, 3, 12);
        const auto bytes = encodeBmp(m_picture.view());
        std::ofstream(path("in.bmp"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path(const char* name) const { return (m_folder / name).string(); }

    Bitmap load(const char* name) const
    {
        Bitmap b;
        decodePictureFile(path(name), decodeAs(3), b);
        return b;
    }

    fs::path m_folder;
    Bitmap m_picture;
};

TEST_F(PictureCommands, ConvertWritesTheTypeTheNewNameAsksFor)
{
    for (const char* name : {"out.png", "out.jpg", "out.gif", "out.bmp"}) {
        const CliRun run = cli("convert " + path("in.bmp") + " " + path(name) + " --quality 80");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(queryPictureFile(path(name)).size, (Size{40, 30})) << name;
    }
    EXPECT_EQ(testing::pixelBytes(load("out.png").view()), testing::pixelBytes(m_picture.view()));
}

TEST_F(PictureCommands, ResizeAndRotateUseTheEditorsKernels)
{
    ASSERT_EQ(cli("resize " + path("in.bmp") + " " + path("big.bmp") + " --width 97 --height 55").exitCode,
              0);
    Bitmap expected(97, 55, 3);
    StretchAndResample(m_picture.view(), expected);
    EXPECT_EQ(testing::pixelBytes(load("big.bmp").view()), testing::pixelBytes(expected.view()));

    const CliRun run =
        cli("rotate " + path("in.bmp") + " " + path("turned.bmp") + " --angle 30 --background 336699");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    Bitmap turned = m_picture;
    RotateBitmapByAngle(turned.view(), 30, 0x00996633, true);
    EXPECT_EQ(testing::pixelBytes(load("turned.bmp").view()), testing::pixelBytes(turned.view()));

    ASSERT_EQ(
        cli("rotate " + path("in.bmp") + " " + path("plain.bmp") + " --angle 45 --no-antialias").exitCode, 0);
    Bitmap plain = m_picture;
    RotateBitmapByAngle(plain.view(), 45, 0x00FFFFFF, false);
    EXPECT_EQ(testing::pixelBytes(load("plain.bmp").view()), testing::pixelBytes(plain.view()));
}

TEST_F(PictureCommands, BadInputGivesOneLineAndANonZeroExitCode)
{
    const std::string in = path("in.bmp");
    const struct {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"convert " + in, 2},
        {"convert " + in + " " + path("out.tif"), 2},
        {"convert " + in + " " + path("out.jpg") + " --quality 101", 2},
        {"resize " + in + " " + path("out.bmp") + " --width 10", 2},
        {"resize " + in + " " + path("out.bmp") + " --width ten --height 5", 2},
        {"rotate " + in + " " + path("out.bmp") + " --angle 30 --background red", 2},
        {"rotate " + in + " " + path("out.bmp") + " --angle 30 --sideways", 2},
        {"convert " + path("missing.jpg") + " " + path("out.bmp"), 1},
        {"convert " + in + " /nonexistent-folder/out.jpg", 1},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
        ASSERT_FALSE(run.output.empty());
        EXPECT_EQ(run.output.rfind("quiltara-cli ", 0), 0u) << run.output;
    }
    EXPECT_NE(cli("convert " + path("missing.jpg") + " " + path("out.bmp")).output.find("missing.jpg"),
              std::string::npos);
    EXPECT_EQ(cli("--help").exitCode, 0);
    EXPECT_EQ(cli("rotate --help").exitCode, 0);
}

} // namespace
} // namespace quiltara::imaging
