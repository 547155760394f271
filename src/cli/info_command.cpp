// quiltara-cli info FILE.CLG: the records of a project file as JSON.
#include "cli/cli_command.h"
#include "cli/project_json.h"
#include "document/project_reader.h"

#include <cstdio>

namespace quiltara::cli {
namespace {

int runInfo(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        throw CliError{2, "expected one file"};
    std::vector<std::uint8_t> bytes;
    // At most what a collage can hold: one header, 200 records, 1000 stamps.
    if (!document::readCollageBytes(arguments[0], bytes))
        throw CliError{1, arguments[0] + " is not a readable file"};
    const std::string json = projectJson(bytes);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}

const CliRegistration registration({
    .name = "info",
    .usage = "info FILE.CLG",
    .summary = "prints the header, object records and stamp records of a collage file as JSON",
    .run = runInfo,
});

} // namespace
} // namespace quiltara::cli
