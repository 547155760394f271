#pragma once

#include <optional>
#include <string>

namespace quiltara::document {

struct Collage;

// What the Canvas Size dialog ("Collage Size") shows and edits: the current
// size, and the new size as typed.
struct CanvasSizeForm {
    int currentWidth = 0;
    int currentHeight = 0;
    std::string widthText;
    std::string heightText;
};

// The form preset to the current canvas size.
CanvasSizeForm openCanvasSizeForm(const Collage& collage);

// The OK checks in their order: both edits whole numbers, at most 12
// megapixels (the message ends with the value), the height within
// 20 ... 50000, then the width. Nothing when the size may be taken.
std::optional<std::string> canvasSizeProblem(const CanvasSizeForm& form);

// The megapixel value as the too-large message shows it ("12.004").
std::string megaPixelText(int width, int height);

// Gives the collage a new canvas size: CanvasWidth and CanvasHeight, the
// zoomed size (truncated products with Zoom), and the two viewport buffers
// w x h, neither side below the view's client area. Objects keep their
// positions and sizes.
void ApplyCanvasSize(Collage& collage, int width, int height);

} // namespace quiltara::document
