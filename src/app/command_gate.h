#pragma once

#include <QAction>
#include <QObject>

#include <functional>
#include <utility>

namespace quiltara::app {

// The window decides when a command should be available (a collage exists,
// a photo is selected); whether the command exists yet is decided by wiring
// it. An action is enabled only when both hold.

// Sets the state the window wants for a command.
void setCommandEnabled(QAction* action, bool enabled);
// The state the window last wanted, whether or not the command is wired.
bool commandWanted(const QAction* action);
// True once a command has been wired to the action.
bool commandWired(const QAction* action);
// Marks the action as having a command and applies the wanted state.
void markCommandWired(QAction* action);

// Connects the action's command and makes it available as far as the window
// wants it. The command runs in context's thread and is dropped with it.
template <typename Command>
void wireCommand(QAction* action, QObject* context, Command&& command)
{
    QObject::connect(action, &QAction::triggered, context,
                     [command = std::forward<Command>(command)](bool) mutable { command(); });
    markCommandWired(action);
}

} // namespace quiltara::app
