#pragma once

// Limits on the values a project file brings in. A file may come from
// anywhere, so what it says is tested against these before it is used to
// size anything, index anything or name a folder. The reader and the file
// check apply the same rules.

#include "document/records.h"

#include <string_view>

namespace quiltara::document {

inline constexpr int kMaxCanvasSide = 50000;
inline constexpr int kMaxObjectSide = 50000;
// Objects may lie off the canvas, but not so far that their edges overflow.
inline constexpr int kMaxObjectPosition = 1000000;
inline constexpr int kMaxCustomMaskPointCount = kCustomMaskPoints - 1;

// One plain folder name: not empty, not made of dots only, and without '/',
// '\\', ':' or control characters. CollageName names the project's data folder,
// so nothing else may pass.
bool isPlainFolderName(std::string_view name);

bool canvasSideInRange(int side);

// A zoom factor from a file: a finite number in (0, 1], else 1.0.
float soundZoom(float zoom);

// The custom-mask point count (the index of the last outline point) held to
// 0 ... 28.
int clampedMaskPointCount(int count);

// A live object the program can show: a photo or a text object (exactly one
// of the two), with a positive size no side of which exceeds 50000, placed
// within reach.
bool isSoundLiveObject(const SCREENOBJECT& object);

// The size of a rotated photo before its rotation, when the record holds a
// usable one.
bool hasSoundUnrotatedSize(const SCREENOBJECT& object);

// A rectangle of view state: kept when all its edges are within reach, else
// (-1, -1, -1, -1).
Rect32 soundViewRect(const Rect32& rect);

// Zeroes the reference slots, which mean nothing outside the running program.
void clearReferences(CollageHeader& header);
void clearReferences(SCREENOBJECT& object);

} // namespace quiltara::document
