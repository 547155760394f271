#include "document/size_text.h"

#include "document/texts.h"

#include <cstdint>

namespace quiltara::document {

std::string filterSizeText(std::string_view typed)
{
    std::string kept;
    for (char c : typed)
        if (((c >= '0' && c <= '9') || c == '.') && kept.size() < kMaxSizeEditLength)
            kept += c;
    return kept;
}

int sizeTextValue(std::string_view text)
{
    // The whole part only, read without the locale: the fraction is dropped
    // anyway.
    int value = 0;
    for (char c : text.substr(0, kMaxSizeEditLength)) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

float megaPixels(int width, int height)
{
    const auto pixels = static_cast<std::int64_t>(width) * height;
    return static_cast<float>(pixels) * 1e-6f;
}

bool exceedsMegaPixelLimit(int width, int height)
{
    return megaPixels(width, height) > kMaxMegaPixels;
}

std::optional<std::string> sideRangeProblem(int width, int height)
{
    if (height < kMinCollageSide || height > kMaxCollageSide)
        return texts::kHeightOutOfRange;
    if (width < kMinCollageSide || width > kMaxCollageSide)
        return texts::kWidthOutOfRange;
    return std::nullopt;
}

} // namespace quiltara::document
