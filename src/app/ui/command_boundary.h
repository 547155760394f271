#pragma once

#include "app/core/action_log.h"
#include "app/ui/prompter.h"

#include <QGuiApplication>
#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace quiltara::app {

// Shows the hourglass for as long as it lives, however the scope ends.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Runs one user command. Code below the windows throws and never shows
// anything; this is the one place that logs the failure under the
// operation's name and tells the user with an error box. What the completed
// steps changed stays as it is. Returns true when the body completed.
template <typename Body>
bool runCommand(QWidget* parent, const char* operation, const QString& failureText, Body&& body)
{
    try {
        BusyCursor busy; // restored before the message box opens
        std::forward<Body>(body)();
        return true;
    }
    catch (const std::exception& e) {
        LogError(e, operation);
    }
    catch (...) {
        LogError("unknown exception", operation);
    }
    prompter().message(parent, BoxKind::Error, failureText);
    return false;
}

} // namespace quiltara::app
