#pragma once

#include "document/records.h"

#include <cstdint>
#include <span>
#include <string>

namespace quiltara::cli {

// The records of a .CLG file as JSON: "header", "objects" (one per record
// present, with its slot number) and "stamps", every member under its record
// name (reserved bytes and reference slots left out), text fields as
// strings, colours and flags as numbers. Throws CliError when the bytes do
// not hold a whole header.
std::string projectJson(std::span<const std::uint8_t> bytes);

} // namespace quiltara::cli
