#include "document/new_collage.h"

#include "app/core/folders.h"
#include "document/collage.h"
#include "document/size_text.h"
#include "document/texts.h"

#include <charconv>
#include <utility>

namespace quiltara::document {
namespace {

bool isFixedSize(int printSize)
{
    return printSize >= 0 && printSize < kCustomSize;
}

// A number with a fixed count of decimals, without regard to the locale.
std::string fixed(double value, int decimals)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

void setLabels(NewCollageForm& form)
{
    form.pixelWidthLabel = std::to_string(form.pixelWidth);
    form.pixelHeightLabel = std::to_string(form.pixelHeight);
    form.orientationLabel = form.orientation == kPortrait ? texts::kPortrait : texts::kLandscape;
    form.printSizeLabel =
        isFixedSize(form.printSize) ? kPrintSizes[form.printSize].item : texts::kCustomPrintSize;
    // A custom height of 0 has no aspect; the label stays empty then.
    form.aspectLabel = form.pixelHeight != 0
                           ? fixed(static_cast<double>(form.pixelWidth) / form.pixelHeight, 2)
                           : std::string();
    const double megaPixels = static_cast<double>(form.pixelWidth) * form.pixelHeight * 1e-6;
    form.megaPixelsLabel = megaPixels < 1.0 ? std::string(texts::kBelowOneMegaPixel) : fixed(megaPixels, 1);
}

} // namespace

NewCollageForm openNewCollageForm(const Collage& collage, const NewCollageChoices& choices)
{
    NewCollageForm form;
    form.pixelWidth = collage.CanvasWidth;
    form.pixelHeight = collage.CanvasHeight;
    form.printSize = choices.printSize;
    form.orientation = choices.orientation;
    form.digitalPrint = choices.digitalPrint;
    form.resolution = choices.resolution;
    form.widthText = std::to_string(choices.width);
    form.heightText = std::to_string(choices.height);
    updateScreen(form);
    return form;
}

void updateScreen(NewCollageForm& form)
{
    if (form.widthText.empty() || form.heightText.empty())
        return;
    if (form.digitalPrint)
        form.resolution = kDigitalPrintResolution;
    if (form.resolution < 0 || form.resolution >= static_cast<int>(kResolutions.size()))
        form.resolution = 0;
    const int dpi = kResolutions[static_cast<std::size_t>(form.resolution)].dpi;

    const bool fixedSize = isFixedSize(form.printSize);
    form.orientationEnabled = fixedSize;
    form.digitalPrintEnabled = fixedSize;
    form.sizeEditsEnabled = !fixedSize;
    form.resolutionEnabled = !form.digitalPrint && fixedSize;

    if (fixedSize) {
        const PrintSizeRow& row = kPrintSizes[static_cast<std::size_t>(form.printSize)];
        int inchWidth = row.inchWidth;
        int inchHeight = row.inchHeight;
        int digitalWidth = row.digitalWidth;
        int digitalHeight = row.digitalHeight;
        if (form.orientation == kLandscape) {
            std::swap(inchWidth, inchHeight);
            std::swap(digitalWidth, digitalHeight);
        }
        if (form.resolution == kDigitalPrintResolution || form.digitalPrint) {
            form.pixelWidth = digitalWidth;
            form.pixelHeight = digitalHeight;
        } else {
            form.pixelWidth = inchWidth * dpi;
            form.pixelHeight = inchHeight * dpi;
        }
        form.widthText = std::to_string(form.pixelWidth);
        form.heightText = std::to_string(form.pixelHeight);
    } else if (form.pixelWidth == 0) {
        form.pixelWidth = 600;
    }
    setLabels(form);
}

void widthEdited(NewCollageForm& form, std::string_view text)
{
    form.widthText = filterSizeText(text);
    form.pixelWidth = sizeTextValue(form.widthText);
    form.pixelWidthLabel = form.widthText;
    updateScreen(form);
}

void heightEdited(NewCollageForm& form, std::string_view text)
{
    form.heightText = filterSizeText(text);
    form.pixelHeight = sizeTextValue(form.heightText);
    form.pixelHeightLabel = form.heightText;
    updateScreen(form);
}

void nameEdited(NewCollageForm& form, std::string_view text)
{
    form.name = filterNameText(text);
    widthEdited(form, form.widthText);
}

std::string filterNameText(std::string_view typed)
{
    std::string kept;
    for (char c : typed) {
        if (kept.size() >= kMaxCollageNameLength)
            break;
        if (c == ' ')
            kept += '_';
        else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                 c == '_' || c == '-')
            kept += c;
    }
    return kept;
}

std::optional<std::string> newCollageProblem(const NewCollageForm& form)
{
    if (form.widthText.empty() || form.heightText.empty())
        return texts::kEnterValidSize;
    if (!wholeNumber(form.widthText) || !wholeNumber(form.heightText))
        return texts::kEnterNumbers;
    if (exceedsMegaPixelLimit(form.pixelWidth, form.pixelHeight))
        return texts::kNewCollageTooLarge;
    if (auto range = sideRangeProblem(form.pixelWidth, form.pixelHeight))
        return range;
    if (form.name.empty())
        return texts::kEnterName;
    if (filterNameText(form.name) != form.name)
        return texts::kEnterName;
    if (form.name.find_first_not_of('.') == std::string::npos)
        return texts::kNameOnlyDots;
    if (app::FolderExistsQuiet(app::joinPath(app::DataFolder(), form.name)))
        return texts::kFolderExists;
    return std::nullopt;
}

NewCollageChoices choicesOf(const NewCollageForm& form)
{
    return {
        .printSize = form.printSize,
        .orientation = form.orientation,
        .digitalPrint = form.digitalPrint,
        .resolution = form.resolution,
        .width = wholeNumber(form.widthText).value_or(0),
        .height = wholeNumber(form.heightText).value_or(0),
    };
}

NewCollageKeys keysOf(const NewCollageForm& form)
{
    return {
        .CollageSize = form.printSize,
        .Orientation = form.orientation,
        .MeasureWidth = form.widthText,
        .MeasureHeight = form.heightText,
        .Resolution = form.resolution,
    };
}

} // namespace quiltara::document
