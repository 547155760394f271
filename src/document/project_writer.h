#pragma once

#include "document/collage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quiltara::document {

// The .CLG bytes of the collage as it stands: the header (2124 bytes), the
// record of every slot 0 ... NumSlots-1 in slot order, free slots included
// (2428 bytes each), then the stamp records (72 bytes each), NumStamps
// counting them. Reference slots are written as zero.
std::vector<std::uint8_t> encodeCollage(const Collage& collage);

// Writes the collage to path: sets VersionText to "Ver 3.00\t" and NumStamps
// to the number of stamps, then replaces the file as replaceFileContents()
// does. Throws SaveError; the file that was at path is then unchanged. The
// caller clears CollageModified when this returns.
void SaveCollage(Collage& collage, const std::string& path);

} // namespace quiltara::document
