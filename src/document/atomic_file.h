#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quiltara::document {

// Replaces the file at path with bytes so that a failure at any point leaves
// the file that was there as it was: the bytes go to a temporary file in the
// same folder, are flushed to the disk, and only then is the temporary file
// renamed over the old one. A file the user may not write is not replaced.
// A path that is a link replaces the file the link leads to. Throws
// SaveError naming the cause.
void replaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace quiltara::document
