#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quiltara::document {

// Rules shared by the size edits of New Collage and Canvas Size.

inline constexpr int kMaxSizeEditLength = 5;
inline constexpr int kMinCollageSide = 20;
inline constexpr int kMaxCollageSide = 50000;
inline constexpr float kMaxMegaPixels = 12.0f;

// What a size edit keeps of typed or pasted text: digits and '.', at most
// five characters.
std::string filterSizeText(std::string_view typed);

// The edit's value as a decimal number with its fraction dropped; 0 when the
// text is empty or does not start with a number.
int sizeTextValue(std::string_view text);

// The value of a text made only of digits; nothing for anything else
// (empty, a decimal point, a sign).
std::optional<int> wholeNumber(std::string_view text);

// width x height x 10^-6 in single precision, the product taken without
// overflow: 50000 x 50000 is 2500, not a wrapped 32-bit product.
float megaPixels(int width, int height);

// True when megaPixels() exceeds 12.
bool exceedsMegaPixelLimit(int width, int height);

// The out-of-range message for the first side outside 20 ... 50000, the
// height first; nothing when both sides are in range.
std::optional<std::string> sideRangeProblem(int width, int height);

} // namespace quiltara::document
