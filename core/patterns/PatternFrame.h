#pragma once

#include "core/board/Raster.h"

#include <cstdint>

class Surface;
struct GameSettings;

// The steps that every board pattern, and the built-in picture, take around their drawing.
namespace PatternFrame {

// Pattern lines are black: the only colour at which painting's flood fill stops.
constexpr Rgb LineColor = 0xff000000;

// Empties the board and the graph strip: pattern, picture, painting and graph all go.
void open(Surface &board, Surface &strip);

// The pen width of pattern lines. A width below 1 is taken as 1 rather than drawing nothing.
int lineWidth(const GameSettings &settings);

// A quotient rounded to the nearest integer, halves to the even neighbour (80.5 -> 80,
// 81.5 -> 82), as the patterns' step sizes and random end points are. Kept within 16 bits.
std::int16_t roundHalfEven(double value);

} // namespace PatternFrame
