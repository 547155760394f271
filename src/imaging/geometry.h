#pragma once

namespace quiltara::imaging {

// A picture size in pixels.
struct Size {
    int width = 0;
    int height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

} // namespace quiltara::imaging
