#include "cli/cli_pictures.h"

#include "cli/cli_command.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_encoder.h"

#include <algorithm>
#include <charconv>

namespace quiltara::cli {

std::optional<std::string> PictureArguments::value(const std::string& name) const
{
    for (const auto& [option, given] : options)
        if (option == name)
            return given;
    return std::nullopt;
}

bool PictureArguments::has(const std::string& name) const
{
    return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

PictureArguments parsePictureArguments(const std::vector<std::string>& arguments,
                                       const std::vector<std::string>& valueOptions,
                                       const std::vector<std::string>& flagOptions)
{
    PictureArguments parsed;
    std::vector<std::string> files;
    const auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() > 2 && argument.starts_with("--")) {
            if (parsed.has(argument))
                throw CliError{2, argument + " given twice"};
            if (known(flagOptions, argument)) {
                parsed.options.emplace_back(argument, std::nullopt);
            } else if (known(valueOptions, argument)) {
                if (i + 1 >= arguments.size())
                    throw CliError{2, argument + " needs a value"};
                parsed.options.emplace_back(argument, arguments[++i]);
            } else {
                throw CliError{2, "unknown option " + argument};
            }
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2)
        throw CliError{2,
                       files.size() < 2 ? "an input and an output file are needed" : "too many file names"};
    parsed.input = files[0];
    parsed.output = files[1];
    return parsed;
}

int integerOption(const PictureArguments& arguments, const std::string& name, int low, int high)
{
    const std::optional<std::string> text = arguments.value(name);
    if (!text)
        throw CliError{2, name + " is required"};
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < low || value > high)
        throw CliError{2, name + " must be a whole number from " + std::to_string(low) + " to " +
                              std::to_string(high) + ", not '" + *text + "'"};
    return value;
}

imaging::Bitmap loadPicture(const std::string& path)
{
    imaging::Bitmap picture;
    imaging::decodePictureFile(path, imaging::decodeAs(3), picture);
    return picture;
}

void savePicture(const std::string& path, const imaging::Bitmap& picture, int jpegQuality)
{
    const auto format = imaging::graphicFormatForFileName(path);
    if (!format)
        throw CliError{2, "the output name must end in .jpg, .jpeg, .png, .gif or .bmp: " + path};
    imaging::saveGraphicFile(path, picture.view(), *format, jpegQuality);
}

} // namespace quiltara::cli
