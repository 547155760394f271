// quiltara-cli check FILE.CLG [--repair]: the editor's own check of a
// project file, one problem a line.
#include "app/core/folders.h"
#include "cli/cli_command.h"
#include "document/project_check.h"

#include <cstdio>

namespace quiltara::cli {
namespace {

int runCheck(const std::vector<std::string>& arguments)
{
    std::string path;
    bool repair = false;
    for (const std::string& argument : arguments) {
        if (argument == "--repair")
            repair = true;
        else if (path.empty() && argument.rfind("--", 0) != 0)
            path = argument;
        else
            throw CliError{2, "unexpected argument '" + argument + "'"};
    }
    if (path.empty())
        throw CliError{2, "expected a file"};

    // Textures, masks and stamps are looked up beside the editor, which is
    // beside this program; photos in the user's workspace.
    app::setProgramFolder(app::executableFolder());
    const document::CheckResult result = document::validateCollageFile(path, repair);
    for (const std::string& problem : result.problems)
        std::printf("%s\n", problem.c_str());
    if (!result.opens) {
        std::printf("refused: %s\n",
                    result.refusal.empty() ? "the repair could not be written" : result.refusal.c_str());
        return 1;
    }
    std::printf("%s\n", !result.checked                      ? "opens without a check"
                        : repair && !result.problems.empty() ? "opens (repaired)"
                                                             : "opens");
    return 0;
}

const CliRegistration registration({
    .name = "check",
    .usage = "check FILE.CLG [--repair]",
    .summary = "checks a collage file as the editor does before opening it; --repair mends it in place",
    .run = runCheck,
});

} // namespace
} // namespace quiltara::cli
