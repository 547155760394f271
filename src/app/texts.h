#pragma once

// The main window's fixed texts, exactly as the program shows them.
namespace quiltara::app::texts {

inline constexpr const char* kApplicationTitle = "Quiltara 3.00";
inline constexpr const char* kUnnamedCollage = "Unnamed Collage";

inline constexpr const char* kVideoNote =
    "Note: For optimal performance a video card with 32-bit color  is recommended";
inline constexpr const char* kWrongDirectory =
    "You seem to be running Quiltara from the wrong directory.\n"
    "Please run from the installation folder or reinstall if necessary";
inline constexpr const char* kRunFromInstallationDirectory =
    "Please run Quiltara from the installation directory";
inline constexpr const char* kErrorWithToolbar = "Error with toolbar";

inline constexpr const char* kOpeningCollage = "Status: Opening Collage ... ";
inline constexpr const char* kOpenCollageTitle = "Open Collage";
inline constexpr const char* kCollageFilter = "Collage File (*.CLG)";

// The project commands' boxes for a failure nothing below them reported.
inline constexpr const char* kErrorSavingCollage = "Error saving collage";
inline constexpr const char* kErrorOpeningCollage = "Error opening collage";
inline constexpr const char* kErrorCanvasSize = "Error changing the canvas size";

inline constexpr const char* kHidePanel = "Hide Panel";
inline constexpr const char* kExpandPanel = "Expand Panel";

inline constexpr const char* kFreeMem = "FreeMem: ";
inline constexpr const char* kMegabytes = " MB";

inline constexpr const char* kRemovePhoto = "Remove Photo";
inline constexpr const char* kRemoveText = "Remove Text";

// The product's web page, opened by "&Visit Website".
inline constexpr const char* kWebsite = "https://quiltara.example.com/";

} // namespace quiltara::app::texts
