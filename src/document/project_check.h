#pragma once

#include "document/record_file.h"

#include <string>
#include <vector>

namespace quiltara::document {

// What the file check found.
struct CheckResult {
    // False when the file could be read but not written: such a file is
    // opened without a check (the reader has limits of its own).
    bool checked = false;
    // The file may be opened.
    bool opens = true;
    // The error text to show for a refused file; empty when the refusal has
    // no text of its own (a repair that could not be written).
    std::string refusal;
    // Every problem found, one line each, whether mended or not.
    std::vector<std::string> problems;
};

// Checks a project file before it is opened and, with repair, mends it in
// place: a background texture from another installation is pointed at the
// program's TEXTURES or TEXTURES/Themes folder, photos whose file and
// data-folder copy are both gone become free slots (Missing = 1), masks and
// stamps that are gone are forgotten, and values that could do harm are made
// safe. Refuses (opens = false) a header cut short or unusable, a missing
// project folder, an object record cut short, and a repair that cannot be
// written. Only the file itself is ever written.
CheckResult checkCollageFile(RecordFile& file, bool repair);

// validateCollageFile(path, repair): opens the file for reading and writing
// (for reading only without repair) and checks it. A file that can be read
// but not written passes without a check; a path that is not a readable
// regular file is refused. An exception during the check is logged and the
// file passes.
CheckResult validateCollageFile(const std::string& path, bool repair);

} // namespace quiltara::document
