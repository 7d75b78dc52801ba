#pragma once

#include "core/board/Raster.h"

#include <string>

// How much of the board each side holds in unit squares, the way the class counts them: the board
// is cut into squares of UnitSquare pixels (16 x 12 on the 640 x 480 board, the fine grid's
// cells), each square counts for the share of its non-black pixels in the side's colour, and the
// sum is rounded to whole squares and halves.
namespace SquareCount {

constexpr int UnitSquare = 40;

struct Side
{
    int halves = 0;  // the area in half unit squares: 7 is three squares and a half
    int regions = 0; // 4-connected areas of the side's colour, however small
};

struct Result
{
    Side left;
    Side right;
};

// Reads every pixel once for the areas and once more for the regions. A colour both sides share
// counts for both.
Result count(const Raster &board, Rgb leftColor, Rgb rightColor);

// The area as a fourth-grader reads it: "12こ分", "3こ分と半分", "半分", "0こ".
std::string areaText(int halves);

} // namespace SquareCount
