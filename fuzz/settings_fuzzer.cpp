#include "app/core/ini_file.h"
#include "app/core/settings_file.h"

#include <cstdint>
#include <string_view>

// Feeds arbitrary bytes to the settings reader as collage.cfg. Whatever it
// reads must survive being written back and read again unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quiltara::app;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile ini("/nonexistent/collage.cfg", text);
    const Settings first = ReadSettings(ini, "/pictures");

    WriteExitSettings(ini, first);
    const IniFile again("/nonexistent/collage.cfg", ini.text());
    const Settings second = ReadSettings(again, "/pictures");
    if (second.toolBar1.buttonWidth != first.toolBar1.buttonWidth ||
        second.toolBar1.buttonHeight != first.toolBar1.buttonHeight ||
        second.toolBar2.buttonWidth != first.toolBar2.buttonWidth ||
        second.desktop.width != first.desktop.width ||
        second.palette.customColors != first.palette.customColors || second.misc != first.misc)
        __builtin_trap();
    return 0;
}
