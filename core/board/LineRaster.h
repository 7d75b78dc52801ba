#pragma once

#include "core/board/Raster.h"

// Aliased raster drawing with the exact pixels the board relies on.
namespace LineRaster {

// A straight line from (x1, y1) to (x2, y2), both end points included, `width` pixels wide.
// Width 1 is the 8-connected Bresenham line; width 2 adds the pixel after each one across the
// line's minor direction (below an x-major line, to the right of a y-major one), so a thick line
// is 4-connected. End points may lie outside the image; only the part inside is drawn.
void line(Raster &image, int x1, int y1, int x2, int y2, Rgb color, int width = 1);

// Every pixel of the rectangle spanned by the two corners, both included, clipped to the image.
void filledBox(Raster &image, int x1, int y1, int x2, int y2, Rgb color);

} // namespace LineRaster
