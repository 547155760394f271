// The editor: one main window for the whole run.
#include "app/core/folders.h"
#include "app/main_window.h"
#include "app/project_commands.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// An exception that escapes a handler is shown in the standard box and the
// program goes on, as it always has.
class QuiltaraApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        }
        catch (const std::exception& e) {
            QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(e.what()));
        }
        catch (...) {
            QMessageBox::critical(nullptr, applicationName(), QStringLiteral("Unknown error"));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QuiltaraApplication application(argc, argv);
    using namespace quiltara::app;
    setProgramFolder(executableFolder());

    StartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    TfrmMain window(options);
    ProjectCommands project(window);
    window.show();
    return QApplication::exec();
}
