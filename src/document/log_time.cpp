#include "document/log_time.h"

#include <ctime>

namespace quiltara::document {

std::string logTimestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text, length);
}

} // namespace quiltara::document
