#pragma once

#include "app/core/folders.h"
#include "app/main_window.h"
#include "app/ui/prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quiltara::app::testing {

namespace fs = std::filesystem;

// Answers every box from a script and records what was asked.
class RecordingPrompter : public Prompter {
public:
    struct Message {
        BoxKind kind;
        QString text;
    };
    std::vector<Message> messages;
    QString openAnswer;

    void message(QWidget*, BoxKind kind, const QString& text, const QString&) override
    {
        messages.push_back({kind, text});
    }
    Answer question(QWidget*, const QString&, bool, const QString&) override { return Answer::No; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return openAnswer;
    }
};

inline std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Runs the event loop until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()>& condition, int milliseconds = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

// Calls act once a visible top-level widget of type T shows up (a modal
// dialog opened by the code under test).
template <typename T>
void whenShown(std::function<void(T*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget); found && found->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(found);
                return;
            }
    });
    poll->start(10);
}

// A program folder of its own for each test: the program's resources (linked
// from the build's program folder), a collage.cfg of the test's choosing,
// and the prompter answering.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("quiltara-window-" + std::to_string(::getpid()) + "-" +
                                                info->test_suite_name() + "-" + info->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        for (const char* resource : {"resources", "Resources", "help"})
            if (fs::exists(fs::path(QUILTARA_PROGRAM_DIR) / resource))
                fs::create_directory_symlink(fs::path(QUILTARA_PROGRAM_DIR) / resource, m_folder / resource);
        setProgramFolder(m_folder.string());
        setPrompter(&m_prompter);
    }

    void TearDown() override
    {
        m_window.reset();
        setPrompter(nullptr);
        fs::remove_all(m_folder);
    }

    fs::path configPath() const { return m_folder / "collage.cfg"; }
    std::string config() const { return readFile(configPath()); }
    // Without the splash screen, which is modal.
    void writeConfig(const std::string& text)
    {
        writeFile(configPath(), "[Settings]\nSplash Screen=0\n" + text);
    }

    TfrmMain& start(StartOptions options = {})
    {
        if (!options.displayBitsPerPixel)
            options.displayBitsPerPixel = 32;
        m_window = std::make_unique<TfrmMain>(options);
        return *m_window;
    }

    fs::path m_folder;
    RecordingPrompter m_prompter;
    std::unique_ptr<TfrmMain> m_window;
};

} // namespace quiltara::app::testing
