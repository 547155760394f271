#pragma once

#include <QCursor>

namespace quiltara::app {

// The program's own cursors, registered under fixed numbers at start-up.
// Other windows select them by number.
enum CursorNumber {
    RESIZE_CURSOR = 500,
    ZOOM_CURSOR = 501,
    CROP_CURSOR = 502,
    RENDER_CURSOR = 503,
    STAMP_CURSOR = 504,
};

// Loads the five cursor pictures from resources/cursors/ in the program
// folder. A picture that cannot be loaded leaves a standard cursor of the
// same purpose under its number.
void RegisterCursors();

// The cursor under a number; the arrow for a number that is not registered.
QCursor programCursor(int number);

} // namespace quiltara::app
