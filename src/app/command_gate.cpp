#include "app/command_gate.h"

#include <QVariant>

namespace quiltara::app {
namespace {

constexpr const char* kWanted = "quiltaraWanted";
constexpr const char* kWired = "quiltaraWired";

void apply(QAction* action)
{
    action->setEnabled(commandWanted(action) && commandWired(action));
}

} // namespace

void setCommandEnabled(QAction* action, bool enabled)
{
    action->setProperty(kWanted, enabled);
    apply(action);
}

bool commandWanted(const QAction* action)
{
    const QVariant wanted = action->property(kWanted);
    return !wanted.isValid() || wanted.toBool(); // created enabled unless said otherwise
}

bool commandWired(const QAction* action)
{
    return action->property(kWired).toBool();
}

void markCommandWired(QAction* action)
{
    action->setProperty(kWired, true);
    apply(action);
}

} // namespace quiltara::app
