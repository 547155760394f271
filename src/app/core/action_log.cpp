#include "app/core/action_log.h"

#include <cstdio>
#include <mutex>

namespace quiltara::app {
namespace {

std::mutex g_logMutex;
std::FILE* g_log = nullptr;

void writeLine(std::string_view name, std::string_view detail)
{
    const std::lock_guard lock(g_logMutex);
    if (!g_log)
        return;
    const std::string line = formatLogLine(name, detail);
    std::fwrite(line.data(), 1, line.size(), g_log);
    std::fflush(g_log);
}

} // namespace

std::string formatLogLine(std::string_view name, std::string_view detail)
{
    std::string line(name);
    if (line.size() < 30)
        line.append(30 - line.size(), ' ');
    line += " | ";
    line += detail;
    line += '\n';
    return line;
}

bool OpenActionLog(const std::string& path)
{
    const std::lock_guard lock(g_logMutex);
    if (g_log)
        std::fclose(g_log);
    g_log = std::fopen(path.c_str(), "w+");
    return g_log != nullptr;
}

void CloseActionLog()
{
    const std::lock_guard lock(g_logMutex);
    if (g_log)
        std::fclose(g_log);
    g_log = nullptr;
}

bool ActionLogOpen()
{
    const std::lock_guard lock(g_logMutex);
    return g_log != nullptr;
}

void LogAction(std::string_view name, std::string_view text)
{
    writeLine(name, text);
}

void LogError(const std::exception& error, std::string_view context)
{
    writeLine(context, error.what());
}

void LogError(std::string_view message, std::string_view context)
{
    writeLine(context, message);
}

} // namespace quiltara::app
