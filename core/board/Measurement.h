#pragma once

#include "core/board/Raster.h"

class Surface;

// Who took how much of the board: samples on a lattice of every third pixel in both directions
// (x = 0, 3, ..., 639 and y = 0, 3, ..., 477 on the 640 x 480 board: 34,240 samples).
struct TerritoryCount
{
    int unpainted = 0; // neither black nor either side's colour
    int left = 0;      // the left side's colour
    int right = 0;     // the right side's colour (a sample may count for both sides)
};

// The three tests are independent: a sample of a colour that both sides share counts for both.
// Precondition: every pixel of `board` is opaque.
TerritoryCount sampleTerritory(const Raster &board, Rgb leftColor, Rgb rightColor);

// Empties the strip and draws the bar graph: the left share from the left edge over the columns
// x < round(L), the right share from the right edge over x >= W - round(R) (drawn over the left),
// then a black line at W / 2 and a white one at W / 2 + 1, full height. With no counted sample at
// all only the two middle lines are drawn.
void drawTerritoryGraph(Surface &strip, const TerritoryCount &count, Rgb leftPaint, Rgb rightPaint);
