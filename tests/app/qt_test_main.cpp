// GoogleTest with a QApplication on the offscreen platform, and a home
// folder of its own so that the workspace folders land in a scratch place.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("quiltara-home-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(home);
    return result;
}
