#pragma once

#include <string>

namespace quiltara::document {

// What New Collage writes to collage.cfg, section "New Collage", when the
// user confirms the dialog. The program never reads these keys back: the
// choices the next dialog starts from live only for the run
// (NewCollageChoices). The settings file writes the record as it stands.
struct NewCollageKeys {
    int CollageSize = 0;       // "Collage Size": the print size index
    int Orientation = 0;       // "Orientation": 0 Portrait, 1 Landscape
    std::string MeasureWidth;  // "Measure Width": the width edit's text
    std::string MeasureHeight; // "Measure Height": the height edit's text
    int Resolution = 0;        // "Resolution": the resolution index

    friend bool operator==(const NewCollageKeys&, const NewCollageKeys&) = default;
};

inline constexpr const char* kNewCollageSection = "New Collage";
inline constexpr const char* kCollageSizeKey = "Collage Size";
inline constexpr const char* kOrientationKey = "Orientation";
inline constexpr const char* kMeasureWidthKey = "Measure Width";
inline constexpr const char* kMeasureHeightKey = "Measure Height";
inline constexpr const char* kResolutionKey = "Resolution";

} // namespace quiltara::document
