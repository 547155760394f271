#pragma once

#include "app/project_window_adapter.h"
#include "document/project_session.h"

#include <QObject>

#include <memory>
#include <string>

namespace quiltara::app {

class TfrmMain;

// The project commands of the main window: New, Open, Save, Save As and
// "Modify &Canvas Size ..", their tool buttons, the Welcome dialog's two
// buttons, the collage named on the command line, and the save question
// when the window closes. It holds the open project (the session over the
// window's collage) and must be made before the window is shown and
// destroyed before the window.
class ProjectCommands final : public QObject {
    Q_OBJECT

public:
    // Photos are reloaded through reloader; without one, photos read from a
    // file keep their records but get no pictures (see project_commands.cpp).
    explicit ProjectCommands(TfrmMain& window, document::PhotoReloader* reloader = nullptr);
    ~ProjectCommands() override;

    document::ProjectSession& session() { return m_session; }

    // The handlers, as the menus and tool buttons call them.
    void menuNewCollageClick();
    void ToolButtonNewClick();
    void menuOpenCollageClick();
    void menuSaveCollageClick();
    void ToolButtonSaveClick();
    void menuSaveCollageAsClick();
    void menuCanvasSizeClick();

    // What the window's hooks run: the save question before the window
    // closes (false keeps it open), New Collage for the Welcome dialog, and
    // OpenCollageFile for the Welcome dialog and the command line.
    bool saveIfModified();
    bool newCollage();
    bool openCollageFile(const std::string& path);

private:
    void wire();
    // Runs a command at the window's error boundary, then lets the window's
    // own copies of the session's state follow it.
    template <typename Body>
    bool run(const char* operation, const char* failureText, Body&& body);

    TfrmMain& m_window;
    ProjectWindowAdapter m_adapter;
    std::unique_ptr<document::PhotoReloader> m_ownReloader;
    document::ProjectSession m_session;
};

} // namespace quiltara::app
