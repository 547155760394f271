#pragma once

#include "imaging/bitmap.h"
#include "imaging/picture_info.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace quiltara::imaging {

// Which decoder a photo file goes to, chosen from its name as the program
// always has: the upper-cased path contains "JPG" or "JPEG" → JPEG; else
// "GIF" → GIF; else ".BMP" → the bitmap reader; else the generic loader,
// which tells PNG, TIFF, PSD, PIC, PBM/PGM/PPM, PCX and TGA (and JPEG, GIF
// and BMP data under another name) apart by their contents.
enum class PictureRoute { Jpeg, Gif, Bmp, Generic };

PictureRoute routeForFileName(std::string_view fileName);

// The largest picture file read into memory.
inline constexpr std::uintmax_t kMaxPictureFileBytes = kMaxBitmapBytes;

// Reads a whole picture file. Throws PictureError (CannotRead, or TooLarge
// beyond kMaxPictureFileBytes).
std::vector<std::uint8_t> readPictureFile(const std::filesystem::path& path);

// The size query: format, upright size, orientation and alpha from the
// headers alone, without decoding or allocating the pixels. Throws
// PictureError; a file the route's decoder does not read is WrongFormat (for
// JPEG "JPEG error #52"), one no decoder reads UnknownFormat.
PictureInfo queryPicture(std::span<const std::uint8_t> file, PictureRoute route,
                         std::uint64_t maxPixels = kMaxPicturePixels);

// Decodes into target as the request says, reusing target's memory, and
// returns what queryPicture would (the size being the picture's full upright
// size; target has the requested one). Throws PictureError.
PictureInfo decodePicture(std::span<const std::uint8_t> file, PictureRoute route,
                          const DecodeRequest& request, Bitmap& target);

// The same for a file, routed by its name.
PictureInfo queryPictureFile(const std::filesystem::path& path);
PictureInfo decodePictureFile(const std::filesystem::path& path, const DecodeRequest& request,
                              Bitmap& target);

} // namespace quiltara::imaging
