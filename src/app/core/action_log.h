#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quiltara::app {

// The action log: one text file beside the program that holds the lines of
// the current run only. Every significant operation writes a line on entry;
// failures go to the same file. While the log is not open, writing does
// nothing.

// Opens (creates or empties) the log. A failure turns logging off for the
// run, silently; the return value says which happened.
bool OpenActionLog(const std::string& path);
void CloseActionLog();
bool ActionLogOpen();

// One line: name, " | ", text.
void LogAction(std::string_view name, std::string_view text = {});
// One line: context, " | ", the exception's message.
void LogError(const std::exception& error, std::string_view context);
void LogError(std::string_view message, std::string_view context);

// The line as the log stores it: name blank-padded to 30 columns (a longer
// name is kept whole, as "%-30s" keeps it), " | ", the detail, a line feed.
std::string formatLogLine(std::string_view name, std::string_view detail);

} // namespace quiltara::app
