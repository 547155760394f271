#pragma once

#include "document/collage.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quiltara::document {

// The most bytes a reader looks at: one header, 200 object records and 1000
// stamp records. Whatever follows is ignored.
inline constexpr std::size_t kMaxCollageFileBytes =
    sizeof(CollageHeader) + kMaxObjects * sizeof(SCREENOBJECT) + kMaxStamps * sizeof(StampRecord);

// The size of the empty collage a damaged header leaves behind.
inline constexpr int kEmptyCanvasWidth = 1600;
inline constexpr int kEmptyCanvasHeight = 1200;

// Reads the bytes of a .CLG file into a collage that DeleteCollage has
// emptied, then runs InitCollage and gives every record fresh, empty image
// streams. Returns the error texts to show the user, in order; reading goes
// on after each of them:
// - a header that is cut short or unusable (canvas side outside 1 ... 50000,
//   NumSlots outside 0 ... 200, a CollageName that is not one plain folder
//   name): "File seems to be corrupt", and the collage stays empty at
//   1600 x 1200;
// - an object record cut short: "File appears to be corrupt or the wrong
//   version."; that record is reset to a free slot and ends the table.
// Stamp records follow up to the end of the bytes, at most 1000; a piece
// shorter than a record is ignored. Values that could do harm are made safe
// (see record_limits.h): the zoom, the zoomed size, the view rectangles, the
// custom-mask point count, and live objects of unsound geometry, which are
// taken out as missing. Finally the table is normalised.
std::vector<std::string> readCollage(std::span<const std::uint8_t> bytes, Collage& collage);

// The first kMaxCollageFileBytes bytes of a regular file; false when the
// path is not a regular file or cannot be read.
bool readCollageBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Makes the object table satisfy its invariants after objects were read or
// dropped: NumObjects counts the live objects, their ZOrders become
// 0 ... NumObjects-1 in their present stacking order (unchanged when they
// already are), and a SelIndex outside 0 ... NumSlots-1 becomes 0.
void normaliseObjectTable(Collage& collage);

// True when the table invariants hold; tests and the fuzz target use it.
bool objectTableInvariantsHold(const Collage& collage);

} // namespace quiltara::document
