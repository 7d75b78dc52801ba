#pragma once

#include "core/board/Raster.h"

#include <cstdint>

// The 16-colour basic palette in which every paint colour is given, in the order of the classic
// text-mode palette. Index 0 is black, the colour of the board's walls.
namespace Palette {

constexpr int Count = 16;

// Precondition: 0 <= index < Count.
Rgb color(int index);

// The 24-bit colour value of a colour: red in the low byte, then green, then blue.
std::int32_t colorValue(Rgb rgb);

constexpr Rgb Black = 0xff000000;
constexpr Rgb White = 0xffffffff;
constexpr Rgb LightGrey = 0xffc0c0c0;
constexpr Rgb Grey = 0xff808080;

} // namespace Palette
