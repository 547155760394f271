#pragma once

#include "imaging/pixel_view.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quiltara::imaging {

enum class GraphicFormat { Jpeg, Gif, Png, Bmp };

// The writer a graphic file name asks for, tested in this order on the
// upper-cased name, anywhere in it: ".JP" → JPEG, ".GIF" → GIF, ".PNG" → PNG,
// ".BMP" → BMP. Nothing for any other name.
std::optional<GraphicFormat> graphicFormatForFileName(std::string_view fileName);

// The encoded file: JPEG at the given quality, GIF with an optimised palette,
// PNG at 24 bits, BMP in the view's own pixel format. Replaces out.
void encodeGraphic(const PixelView& pixels, GraphicFormat format, int jpegQuality,
                   std::vector<std::uint8_t>& out);

// Writes bytes to path, replacing the file. On failure the partial file is
// removed and a PictureError (WriteFailed) is thrown; for a JPEG its text is
// "JPEG error #36".
void writeGraphicFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                      GraphicFormat format);

// Encodes and writes in one step.
void saveGraphicFile(const std::filesystem::path& path, const PixelView& pixels, GraphicFormat format,
                     int jpegQuality);

} // namespace quiltara::imaging
