#include "app/core/settings_file.h"

#include "app/core/action_log.h"
#include "app/core/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace quiltara::app {
namespace {

Colour readColour(const IniFile& ini, std::string_view section, std::string_view key, Colour fallback)
{
    return static_cast<Colour>(ini.readInteger(section, key, static_cast<int>(fallback)));
}

void writeColour(IniFile& ini, std::string_view section, std::string_view key, Colour colour)
{
    ini.writeInteger(section, key, static_cast<int>(colour));
}

Colour parseCustomColour(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    Colour value = 0;
    if (text.empty() || text.size() > 8)
        return 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

void readCustomColours(const IniFile& ini, std::string_view section, std::string_view prefix,
                       std::array<Colour, 16>& colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] =
            parseCustomColour(ini.readString(section, std::string(prefix) + std::to_string(i), "000000"));
}

void writeCustomColours(IniFile& ini, std::string_view section, std::string_view prefix,
                        const std::array<Colour, 16>& colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i)
        ini.writeString(section, std::string(prefix) + std::to_string(i), customColourText(colours[i]));
}

void readToolBar(const IniFile& ini, std::string_view section, ToolBarLayout& bar, bool sizesExchanged)
{
    bar.showCaptions = ini.readBool(section, "ShowCaptions", bar.showCaptions);
    bar.left = ini.readInteger(section, "Left", bar.left);
    bar.top = ini.readInteger(section, "Top", bar.top);
    // The main tool bar has always kept its button width under ButtonHeight
    // and its height under ButtonWidth; stored files rely on it.
    if (sizesExchanged) {
        bar.buttonWidth = ini.readInteger(section, "ButtonHeight", bar.buttonWidth);
        bar.buttonHeight = ini.readInteger(section, "ButtonWidth", bar.buttonHeight);
    } else {
        bar.buttonHeight = ini.readInteger(section, "ButtonHeight", bar.buttonHeight);
        bar.buttonWidth = ini.readInteger(section, "ButtonWidth", bar.buttonWidth);
    }
}

void writeToolBar(IniFile& ini, std::string_view section, const ToolBarLayout& bar, bool sizesExchanged)
{
    ini.writeInteger(section, "Left", bar.left);
    ini.writeInteger(section, "Top", bar.top);
    ini.writeInteger(section, "ButtonHeight", sizesExchanged ? bar.buttonWidth : bar.buttonHeight);
    ini.writeInteger(section, "ButtonWidth", sizesExchanged ? bar.buttonHeight : bar.buttonWidth);
    ini.writeInteger(section, "Width", bar.width);
    ini.writeBool(section, "ShowCaptions", bar.showCaptions);
}

void readFont(const IniFile& ini, TextDefaults& font)
{
    constexpr std::string_view s = "Font";
    font.size = ini.readInteger(s, "Size", font.size);
    font.name = ini.readString(s, "Name", font.name);
    font.bold = ini.readBool(s, "Bold", font.bold);
    font.italic = ini.readBool(s, "Italic", font.italic);
    font.underline = ini.readBool(s, "Underline", font.underline);
    font.textOutline = ini.readBool(s, "TextOutline", font.textOutline);
    font.textBackground = ini.readBool(s, "TextBackground", font.textBackground);
    font.antiAlias = ini.readBool(s, "AntiAlias", font.antiAlias);
    font.halo = ini.readBool(s, "Halo", font.halo);
    font.transparent = ini.readBool(s, "Transparent", font.transparent);
    font.rotationAngle = ini.readInteger(s, "RotationAngle", font.rotationAngle);
    // The text dialog stores the alignment under "Alignment Paragraph";
    // reading that key first lets the alignment survive a restart. Files
    // that only have the older "Paragraph Alignment" still give theirs.
    font.paragraphAlignment = ini.readInteger(s, "Paragraph Alignment", font.paragraphAlignment);
    font.paragraphAlignment = ini.readInteger(s, "Alignment Paragraph", font.paragraphAlignment);
    font.dropShadow = ini.readBool(s, "DropShadow", font.dropShadow);
    font.textColor = readColour(ini, s, "TextColor", font.textColor);
    font.outlineColor = readColour(ini, s, "OutlineColor", font.outlineColor);
    font.haloColor = readColour(ini, s, "HaloColor", font.haloColor);
    font.gradientStartColor = readColour(ini, s, "GradientStartColor", font.gradientStartColor);
    font.gradientEndColor = readColour(ini, s, "GradientEndColor", font.gradientEndColor);
    font.bgColor = readColour(ini, s, "BgColor", font.bgColor);
    font.textLine = ini.readString(s, "TextLine", font.textLine);
}

void readMisc(const IniFile& ini, MiscSettings& misc)
{
    constexpr std::string_view s = "Settings";
    misc.jpegCompression = ini.readInteger(s, "JPEG Compression", misc.jpegCompression);
    misc.splashScreen = ini.readBool(s, "Splash Screen", misc.splashScreen);
    misc.resamplePreview = ini.readBool(s, "Resample Preview", misc.resamplePreview);
    misc.shrinkEmail = ini.readBool(s, "Shrink Email", misc.shrinkEmail);
    misc.fastRubberband = ini.readBool(s, "Fast Rubberband", misc.fastRubberband);
    misc.increaseAutoCollageLimit =
        ini.readBool(s, "Increase Auto Collage Limit", misc.increaseAutoCollageLimit);
}

void readStamps(const IniFile& ini, StampSelection& stamps)
{
    constexpr std::string_view s = "Stamps";
    // The count comes from the file: never look for more names than the
    // section can hold.
    const int count = ini.readInteger(s, "Stamp Count", 0);
    const int present = static_cast<int>(std::min<std::size_t>(ini.keyCount(s), 100000));
    for (int j = 0; j < count && j < present; ++j)
        stamps.fileNames.push_back(ini.readString(s, "Stamp FileName" + std::to_string(j), ""));
    stamps.lastStampGroup = ini.readInteger(s, "Last Stamp Group", stamps.lastStampGroup);
}

} // namespace

Settings defaultSettings(const std::string& picturesFolder)
{
    Settings settings;
    settings.folders = {picturesFolder, picturesFolder, picturesFolder};
    return settings;
}

Settings ReadSettings(const std::string& path, const std::string& picturesFolder)
{
    return ReadSettings(IniFile(path), picturesFolder);
}

Settings ReadSettings(const IniFile& ini, const std::string& picturesFolder)
{
    Settings settings = defaultSettings(picturesFolder);

    DesktopLayout& desktop = settings.desktop;
    desktop.left = ini.readInteger("Desktop", "Left", desktop.left);
    desktop.top = ini.readInteger("Desktop", "Top", desktop.top);
    desktop.width = ini.readInteger("Desktop", "Width", desktop.width);
    desktop.height = ini.readInteger("Desktop", "Height", desktop.height);

    settings.showToolbars = ini.readBool("ToolBars", "Show Toolbars", settings.showToolbars);

    readToolBar(ini, "ToolBar1", settings.toolBar1, true);
    // The photo tool bar's position defaults to beside the main one, as it
    // was just read.
    settings.toolBar2.left = settings.toolBar1.left + 500;
    settings.toolBar2.top = settings.toolBar1.top;
    readToolBar(ini, "ToolBar2", settings.toolBar2, false);

    settings.vertToolBarVisible = ini.readBool("VertToolBar", "Visible", settings.vertToolBarVisible);

    PaletteSettings& palette = settings.palette;
    palette.textureIndex = ini.readInteger("TextureWindow", "TextureIndex", palette.textureIndex);
    palette.color = readColour(ini, "TextureWindow", "Color", palette.color);
    palette.foregroundColor = readColour(ini, "TextureWindow", "ForegroundColor", palette.foregroundColor);
    palette.fillType = ini.readInteger("TextureWindow", "FillType", palette.fillType);

    readFont(ini, settings.font);
    readMisc(ini, settings.misc);

    PhotoFolders& folders = settings.folders;
    folders.photoOpen = ini.readString("Directories", "PhotoOpenDirectory", folders.photoOpen);
    folders.photoSave = ini.readString("Directories", "PhotoSaveDirectory", folders.photoSave);
    folders.autoCollage = ini.readString("Directories", "AutoCollageDirectory", folders.autoCollage);

    // Read back so that the palette's pickers start with the colours the
    // user kept.
    readCustomColours(ini, "TextureWindow", "Custom Color ", palette.customColors);
    readCustomColours(ini, "TextureWindow", "Custom Gradient Color ", palette.customGradientColors);

    settings.checkVideo = ini.readBool("VideoDriver", "CheckVideo", settings.checkVideo);

    readStamps(ini, settings.stamps);
    return settings;
}

void WriteExitSettings(const std::string& path, const Settings& settings)
{
    IniFile ini(path);
    WriteExitSettings(ini, settings);
    ini.save();
}

void WriteExitSettings(IniFile& ini, const Settings& settings)
{
    ini.writeBool("ToolBars", "Show Toolbars", settings.showToolbars);
    ini.writeString("Font", "TextLine", settings.font.textLine);
    writeToolBar(ini, "ToolBar1", settings.toolBar1, true);
    writeToolBar(ini, "ToolBar2", settings.toolBar2, false);
    ini.writeBool("VertToolBar", "Visible", settings.vertToolBarVisible);
    ini.writeInteger("Desktop", "Left", settings.desktop.left);
    ini.writeInteger("Desktop", "Top", settings.desktop.top);
    ini.writeInteger("Desktop", "Width", settings.desktop.width);
    ini.writeInteger("Desktop", "Height", settings.desktop.height);
    // An empty folder means the dialog never had one: the key keeps what it
    // holds.
    if (!settings.folders.photoOpen.empty())
        ini.writeString("Directories", "PhotoOpenDirectory", settings.folders.photoOpen);
    if (!settings.folders.photoSave.empty())
        ini.writeString("Directories", "PhotoSaveDirectory", settings.folders.photoSave);
    writeCustomColours(ini, "TextureWindow", "Custom Color ", settings.palette.customColors);
    writeCustomColours(ini, "TextureWindow", "Custom Gradient Color ", settings.palette.customGradientColors);
    const auto& names = settings.stamps.fileNames;
    ini.writeInteger("Stamps", "Stamp Count", static_cast<int>(names.size()));
    for (std::size_t j = 0; j < names.size(); ++j)
        ini.writeString("Stamps", "Stamp FileName" + std::to_string(j), names[j]);
    ini.writeInteger("Stamps", "Last Stamp Group", settings.stamps.lastStampGroup);
}

void SaveDesktopSettings(const std::string& path, const Settings& settings)
{
    LogAction("SaveDesktopSettings");
    IniFile ini(path);
    ini.writeInteger("CollageZoomToolbar", "Left", 0);
    ini.writeInteger("CollageZoomToolbar", "Top", 0);
    ini.writeInteger("TextureWindow", "Left", 0);
    ini.writeInteger("TextureWindow", "Top", 0);
    ini.writeInteger("TextureWindow", "TextureIndex", settings.palette.textureIndex);
    writeColour(ini, "TextureWindow", "Color", settings.palette.color);
    writeColour(ini, "TextureWindow", "ForegroundColor", settings.palette.foregroundColor);
    ini.writeInteger("PositionToolbar", "Left", 0);
    ini.writeInteger("PositionToolbar", "Top", 0);
    ini.writeInteger("TranslucentToolbar", "Left", settings.translucentLeft);
    ini.writeInteger("TranslucentToolbar", "Top", settings.translucentTop);
    ini.save();
}

void WriteMiscSettings(const std::string& path, const MiscSettings& misc)
{
    IniFile ini(path);
    constexpr std::string_view s = "Settings";
    ini.writeInteger(s, "JPEG Compression", misc.jpegCompression);
    ini.writeBool(s, "Splash Screen", misc.splashScreen);
    ini.writeBool(s, "Resample Preview", misc.resamplePreview);
    ini.writeBool(s, "Shrink Email", misc.shrinkEmail);
    ini.writeBool(s, "Fast Rubberband", misc.fastRubberband);
    ini.writeBool(s, "Increase Auto Collage Limit", true);
    ini.save();
}

void WriteNewCollageKeys(const std::string& path, const NewCollageKeys& keys)
{
    IniFile ini(path);
    constexpr std::string_view s = "New Collage";
    ini.writeInteger(s, "Collage Size", keys.CollageSize);
    ini.writeInteger(s, "Orientation", keys.Orientation);
    ini.writeString(s, "Measure Width", keys.MeasureWidth);
    ini.writeString(s, "Measure Height", keys.MeasureHeight);
    ini.writeInteger(s, "Resolution", keys.Resolution);
    ini.save();
}

void WriteCheckVideo(const std::string& path, bool shown)
{
    IniFile ini(path);
    ini.writeBool("VideoDriver", "CheckVideo", shown);
    ini.save();
}

std::array<Colour, 16> ReadCustomColours(const std::string& path, std::string_view section,
                                         std::string_view prefix)
{
    std::array<Colour, 16> colours{};
    readCustomColours(IniFile(path), section, prefix, colours);
    return colours;
}

void WriteCustomColours(const std::string& path, std::string_view section,
                        const std::array<Colour, 16>& colours, std::string_view prefix)
{
    IniFile ini(path);
    writeCustomColours(ini, section, prefix, colours);
    ini.save();
}

std::string customColourText(Colour colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06X", colour);
    return text;
}

int jpegQualityFromText(std::string_view text)
{
    // Decimal only: the edit takes digits, so "$10" or "0x10" are not numbers here.
    if (text.find_first_of("$xX") != std::string_view::npos)
        return 100;
    const auto quality = parseIniInteger(text);
    if (!quality || *quality < 0 || *quality > 100)
        return 100;
    return *quality;
}

std::vector<int> selectedStampPositions(const StampSelection& stored,
                                        const std::vector<std::string>& stampList)
{
    std::vector<int> positions;
    for (std::size_t j = 0; j < stored.fileNames.size() && j < stampList.size(); ++j) {
        const auto found = std::find(stampList.begin(), stampList.end(), stored.fileNames[j]);
        if (found != stampList.end())
            positions.push_back(static_cast<int>(found - stampList.begin()));
    }
    return positions;
}

int restoredStampGroup(const StampSelection& stored, int groupCount)
{
    return stored.lastStampGroup > groupCount ? -1 : stored.lastStampGroup;
}

} // namespace quiltara::app
