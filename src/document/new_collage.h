#pragma once

#include "document/new_collage_keys.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quiltara::document {

struct Collage;

// The print sizes of the New Collage dialog, portrait, with the pixel sizes
// recommended for digital print processing. Index 5 is Custom Size.
struct PrintSizeRow {
    const char* item;
    int inchWidth;
    int inchHeight;
    int digitalWidth;
    int digitalHeight;
};

inline constexpr std::array<PrintSizeRow, 5> kPrintSizes{{
    {"3\" x 5\"", 3, 5, 900, 1200},
    {"4\" x 6\"", 4, 6, 1200, 1600},
    {"5\" x 7\"", 5, 7, 1536, 2048},
    {"8\" x 10\"", 8, 10, 1712, 2288},
    {"11\" x 14\"", 11, 14, 2200, 2800},
}};
inline constexpr int kCustomSize = 5;

struct ResolutionRow {
    const char* item;
    int dpi;
};

inline constexpr std::array<ResolutionRow, 4> kResolutions{{
    {"72 DPI   - Screen Resolution", 72},
    {"150 DPI - Medium Resolution", 150},
    {"300 DPI -  High Resolution", 300},
    {"Digital Print Processing", 72},
}};
inline constexpr int kDigitalPrintResolution = 3;

inline constexpr int kPortrait = 0;
inline constexpr int kLandscape = 1;
inline constexpr int kMaxCollageNameLength = 30;

// The choices the next New Collage dialog starts from; they live for the
// run. The first dialog of a run starts at 4" x 6", Landscape, 150 DPI.
struct NewCollageChoices {
    int printSize = 1;
    int orientation = kLandscape;
    bool digitalPrint = false;
    int resolution = 1;
    int width = 0;
    int height = 0;

    friend bool operator==(const NewCollageChoices&, const NewCollageChoices&) = default;
};

// What the New Collage dialog shows and edits. The dialog copies its
// controls into the first group and shows the second; updateScreen() keeps
// the second in step with the first.
struct NewCollageForm {
    // The controls.
    std::string name;
    int printSize = 1;
    int orientation = kLandscape;
    bool digitalPrint = false;
    int resolution = 1;
    std::string widthText;
    std::string heightText;

    // The pixel size of the collage being defined.
    int pixelWidth = 0;
    int pixelHeight = 0;

    // What the dialog shows.
    bool orientationEnabled = true;
    bool digitalPrintEnabled = true;
    bool sizeEditsEnabled = false;
    bool resolutionEnabled = true;
    std::string pixelWidthLabel;
    std::string pixelHeightLabel;
    std::string orientationLabel;
    std::string printSizeLabel;
    std::string aspectLabel;
    std::string megaPixelsLabel;
};

// The form as the dialog opens: the working size is the current canvas, the
// controls come from the remembered choices; updateScreen() has run.
NewCollageForm openNewCollageForm(const Collage& collage, const NewCollageChoices& choices);

// UpdateScreen: runs when the print size, the resolution, the orientation or
// the digital-print box changes, and after the size edits change. Does
// nothing while a size edit is empty.
void updateScreen(NewCollageForm& form);

// The edits' change handlers: the working width (height) becomes the edit's
// value, the pixel label shows the edit's text, and the screen is updated.
// A change of the name runs the width handler too.
void widthEdited(NewCollageForm& form, std::string_view text);
void heightEdited(NewCollageForm& form, std::string_view text);
void nameEdited(NewCollageForm& form, std::string_view text);

// What the name edit keeps of typed or pasted text: a blank becomes "_";
// letters, digits, '.', '_' and '-' stay; anything else is dropped; at most
// 30 characters.
std::string filterNameText(std::string_view typed);

// The OK checks in their order; the first message that applies, or nothing
// when the collage may be created. Looks up the workspace's data folder.
std::optional<std::string> newCollageProblem(const NewCollageForm& form);

// What an accepted dialog leaves for the next one, and for collage.cfg.
NewCollageChoices choicesOf(const NewCollageForm& form);
NewCollageKeys keysOf(const NewCollageForm& form);

} // namespace quiltara::document
