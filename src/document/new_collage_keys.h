#pragma once

#include "app/core/settings_file.h"

namespace quiltara::document {

// What New Collage writes to collage.cfg, section "New Collage", when the
// user confirms the dialog. The record belongs to the settings file, which
// writes it as it stands; the program never reads it back (the choices the
// next dialog starts from are NewCollageChoices).
using NewCollageKeys = app::NewCollageKeys;

} // namespace quiltara::document
