#pragma once

#include <string>

namespace quiltara::document {

// The current local date and time as the action log shows it:
// "2024-05-31 14:02:07".
std::string logTimestamp();

} // namespace quiltara::document
