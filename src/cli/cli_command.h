#pragma once

#include <string>
#include <vector>

namespace quiltara::cli {

// One subcommand of quiltara-cli. Each lives in a file of its own and
// registers itself with a static CliRegistration, so adding one touches no
// other file.
struct CliCommand {
    const char* name;
    const char* usage;   // the line after "quiltara-cli ", e.g. "resize IN OUT --width W --height H"
    const char* summary; // one line for the command list
    // Returns the exit code; writes its own one-line message on failure.
    int (*run)(const std::vector<std::string>& arguments);
};

struct CliRegistration {
    explicit CliRegistration(const CliCommand& command);
};

const std::vector<CliCommand>& cliCommands();

// Thrown by a command for bad arguments or input; main prints the message
// on one line and exits with code 2 (usage) or 1 (input).
struct CliError {
    int exitCode;
    std::string message;
};

} // namespace quiltara::cli
