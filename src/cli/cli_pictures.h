#pragma once

#include "imaging/bitmap.h"

#include <optional>
#include <string>
#include <vector>

namespace quiltara::cli {

// The arguments of a picture subcommand: two file names, then options of
// the form "--name value" or "--flag".
struct PictureArguments {
    std::string input;
    std::string output;
    std::vector<std::pair<std::string, std::optional<std::string>>> options;

    // The value of --name, if given.
    std::optional<std::string> value(const std::string& name) const;
    bool has(const std::string& name) const;
};

// Parses IN OUT and the options; valueOptions take a value, flagOptions do
// not. Throws CliError (exit code 2) for anything else.
PictureArguments parsePictureArguments(const std::vector<std::string>& arguments,
                                       const std::vector<std::string>& valueOptions,
                                       const std::vector<std::string>& flagOptions);

// An integer option within limits; CliError (2) names the option otherwise.
int integerOption(const PictureArguments& arguments, const std::string& name, int low, int high);

// Decodes IN by the program's routing rules into 24-bit pixels.
imaging::Bitmap loadPicture(const std::string& path);

// Encodes by OUT's extension (.jp*, .gif, .png, .bmp) and writes the file.
void savePicture(const std::string& path, const imaging::Bitmap& picture, int jpegQuality);

} // namespace quiltara::cli
