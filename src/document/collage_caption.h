#pragma once

#include "document/records.h"

#include <string>
#include <string_view>

namespace quiltara::document {

struct Collage;

// The Zoom menu entry that matches a zoom factor. 0.76 and 0.4 are not exact
// in a 32-bit float, so those two are recognised within a band.
enum class ZoomEntry { None, Zoom100, Zoom75, Zoom50, Zoom40, Zoom25 };
ZoomEntry zoomEntryOf(float zoom);

// "  [Zoom 100%]", "  [Zoom 75%]", ... or two blanks for a zoom without an entry.
std::string zoomCaptionText(float zoom);

// The main window's caption for a collage file: "Quiltara 3.00  - [" + the
// file name without its folder + "] - " + CanvasWidth + " X " +
// CanvasHeight + the zoom text.
std::string collageCaption(std::string_view path, const Collage& collage);

// A colour 0x00BBGGRR as the user sees it: six hexadecimal digits, red,
// green, blue.
std::string colourHex(Colour colour);

// The name part of a local path (what follows the last '/').
std::string localFileName(std::string_view path);
// The same without its extension (from the last '.').
std::string localBaseName(std::string_view path);

} // namespace quiltara::document
