#pragma once

#include "core/board/Geometry.h"
#include "core/board/Raster.h"

// What one fill painted. Pixels that already had the fill colour count as painted.
struct FillResult
{
    int painted = 0;
    // The smallest rectangle holding every painted pixel; empty when nothing was painted.
    Rect bounds;
};

// Paints every pixel 4-connected to `seed` that is not of the wall colour with `fill`, earlier
// fills and pixels already in `fill` included. A seed on a wall pixel, or outside the raster,
// paints nothing. Works with an explicit stack of runs (no recursion) and no per-pixel buffer
// besides the raster; each pixel of the region is read a small bounded number of times and
// written twice.
// Precondition: every pixel of `image` is opaque.
FillResult floodFill(Raster &image, Point seed, Rgb fill, Rgb wall = 0xff000000);
