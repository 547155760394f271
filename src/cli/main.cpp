// quiltara-cli: the editor's companion for headless work, built on the same
// libraries as the editor.
#include "cli/cli_command.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace quiltara::cli {

namespace {
std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}
} // namespace

CliRegistration::CliRegistration(const CliCommand& command)
{
    registry().push_back(command);
}

const std::vector<CliCommand>& cliCommands()
{
    return registry();
}

} // namespace quiltara::cli

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out, "usage: quiltara-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    std::vector<quiltara::cli::CliCommand> commands = quiltara::cli::cliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return std::string(a.name) < b.name; });
    for (const auto& command : commands)
        std::fprintf(out, "  %-48s %s\n", command.usage, command.summary);
    std::fprintf(out, "\n'quiltara-cli COMMAND --help' shows one command's usage.\n");
}

} // namespace

int main(int argc, char** argv)
{
    using namespace quiltara::cli;
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return 0;
    }
    const auto& commands = cliCommands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) { return name == c.name; });
    if (command == commands.end()) {
        std::fprintf(stderr, "quiltara-cli: unknown command '%s' (try --help)\n", name.c_str());
        return 2;
    }
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
        std::printf("usage: quiltara-cli %s\n%s\n", command->usage, command->summary);
        return 0;
    }
    try {
        return command->run(arguments);
    }
    catch (const CliError& error) {
        std::fprintf(stderr, "quiltara-cli %s: %s\n", command->name, error.message.c_str());
        if (error.exitCode == 2)
            std::fprintf(stderr, "usage: quiltara-cli %s\n", command->usage);
        return error.exitCode;
    }
    catch (const std::exception& error) {
        std::fprintf(stderr, "quiltara-cli %s: %s\n", command->name, error.what());
        return 1;
    }
}
