#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiltara::app {

class IniFile;

// The program's settings as collage.cfg stores them: one plain record that
// lives from start-up to exit. The file is only a store; every value is read
// once at start-up and written at the moments its key is written (at exit,
// when a collage is opened, or by the dialog that edits it). Keys that belong
// to features of other windows are still read, kept and written here, so a
// stored file survives every run whole.

using Colour = std::uint32_t; // 0x00BBGGRR

inline constexpr const char* kSettingsFileName = "collage.cfg";

// Where the main window stood; -1 for the width or height means "maximised".
struct DesktopLayout {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
};

// One tool bar in the band. Positions are in the band's pixels.
struct ToolBarLayout {
    bool showCaptions = true;
    int left = 0;
    int top = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int width = 0; // written at exit, never read: the bar ends at its last button
};

// Where the main tool bar stands before anything was stored.
inline constexpr int kMainToolBarDesignLeft = 0;
inline constexpr int kMainToolBarDesignTop = 0;

// The palette window's current background choice and its colour pickers'
// custom colours.
struct PaletteSettings {
    int textureIndex = 0;
    Colour color = 0xFFFFFF;
    Colour foregroundColor = 0xFFFFFF;
    int fillType = 0;
    std::array<Colour, 16> customColors{};
    std::array<Colour, 16> customGradientColors{};
};

// The defaults new text objects start from (section Font).
struct TextDefaults {
    int size = 14;
    std::string name = "Arial";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool textOutline = false;
    bool textBackground = false;
    bool antiAlias = true;
    bool halo = false;
    bool transparent = true;
    int rotationAngle = 0;
    int paragraphAlignment = 0;
    bool dropShadow = false;
    Colour textColor = 0;
    Colour outlineColor = 0;
    Colour haloColor = 255;
    Colour gradientStartColor = 0xFFFFFF;
    Colour gradientEndColor = 0x808080;
    Colour bgColor = 0xFF0000;
    std::string textLine = "text";
};

// What the Miscellaneous Settings dialog edits (section Settings).
struct MiscSettings {
    int jpegCompression = 90;
    bool splashScreen = true;
    bool resamplePreview = true;
    bool shrinkEmail = true;
    bool fastRubberband = false;
    bool increaseAutoCollageLimit = false;

    friend bool operator==(const MiscSettings&, const MiscSettings&) = default;
};

// Start folders of the photo dialogs (section Directories).
struct PhotoFolders {
    std::string photoOpen;
    std::string photoSave;
    std::string autoCollage;
};

// The rubber-stamp selection as stored: stamp file names in selection order
// and the last stamp group. The stamp list decides which names still count
// (selectedStampPositions).
struct StampSelection {
    std::vector<std::string> fileNames;
    int lastStampGroup = -1;
};

// Section "New Collage": what the last New Collage dialog was left with.
// Written when the dialog is confirmed, never read back: the next dialog of
// a run starts from the choices kept for the run, the first from 4" x 6".
struct NewCollageKeys {
    int CollageSize = 0;       // "Collage Size": the print size index
    int Orientation = 0;       // "Orientation": 0 Portrait, 1 Landscape
    std::string MeasureWidth;  // "Measure Width": the width edit's text
    std::string MeasureHeight; // "Measure Height": the height edit's text
    int Resolution = 0;        // "Resolution": the resolution index

    friend bool operator==(const NewCollageKeys&, const NewCollageKeys&) = default;
};

struct Settings {
    DesktopLayout desktop;
    bool showToolbars = true;
    // The main tool bar's buttons are 40 wide and 50 high until stored
    // otherwise, the photo tool bar's 50 wide and 40 high.
    ToolBarLayout toolBar1{true, kMainToolBarDesignLeft, kMainToolBarDesignTop, 40, 50, 0};
    ToolBarLayout toolBar2{true, kMainToolBarDesignLeft + 500, kMainToolBarDesignTop, 50, 40, 0};
    bool vertToolBarVisible = true;
    PaletteSettings palette;
    TextDefaults font;
    MiscSettings misc;
    PhotoFolders folders;
    bool checkVideo = false;
    StampSelection stamps;
    // The Transparency dialog's last position (written, never read).
    int translucentLeft = 0;
    int translucentTop = 0;
};

// The record before anything is read: every key's default, the photo
// folders at the given pictures folder.
Settings defaultSettings(const std::string& picturesFolder);

// Reads every key read at start-up, in the order the main window applies
// them. A missing, empty, unreadable or garbled file gives the defaults; a
// key whose text is not a number reads as its default.
Settings ReadSettings(const std::string& path, const std::string& picturesFolder);
Settings ReadSettings(const IniFile& ini, const std::string& picturesFolder);

// The keys written when the main window closes, in their order; the caller
// runs SaveDesktopSettings afterwards. A failed write is not reported.
void WriteExitSettings(const std::string& path, const Settings& settings);
// The same keys into a file already read; the caller saves it.
void WriteExitSettings(IniFile& ini, const Settings& settings);

// The keys written when a collage is opened and at exit: the palette's
// current choice and the stored positions of the floating tool windows.
// Writes "SaveDesktopSettings" to the action log.
void SaveDesktopSettings(const std::string& path, const Settings& settings);

// The keys the Miscellaneous Settings dialog saves. "Increase Auto Collage
// Limit" is always written as 1.
void WriteMiscSettings(const std::string& path, const MiscSettings& misc);

// The "New Collage" keys, as they stand.
void WriteNewCollageKeys(const std::string& path, const NewCollageKeys& keys);

// VideoDriver/CheckVideo, written at start-up once the colour note was shown.
void WriteCheckVideo(const std::string& path, bool shown);

// The 16 custom colours of a colour picker, stored as prefix + 0 ... 15 =
// six hexadecimal digits of the 0x00BBGGRR value (pure red is "0000FF").
// A missing or garbled value reads as 000000.
std::array<Colour, 16> ReadCustomColours(const std::string& path, std::string_view section,
                                         std::string_view prefix = "Custom Color ");
void WriteCustomColours(const std::string& path, std::string_view section,
                        const std::array<Colour, 16>& colours, std::string_view prefix = "Custom Color ");
std::string customColourText(Colour colour);

// The quality the settings dialog stores for its edit's text: the text as a
// whole number, or 100 when it is not one or lies outside 0 ... 100.
int jpegQualityFromText(std::string_view text);

// The canvas repaint timer's period: after start-up, and after the settings
// dialog has saved.
constexpr int repaintPeriodAtStart(bool fastRubberband)
{
    return fastRubberband ? 100 : 30;
}
constexpr int repaintPeriodAfterSave(bool fastRubberband)
{
    return fastRubberband ? 300 : 50;
}

// The stored stamp names that still name a stamp of the list, as list
// positions in stored order; at most as many names are looked at as the list
// has stamps.
std::vector<int> selectedStampPositions(const StampSelection& stored,
                                        const std::vector<std::string>& stampList);
// The stored last stamp group, or -1 when it is greater than the number of
// groups.
int restoredStampGroup(const StampSelection& stored, int groupCount);

} // namespace quiltara::app
