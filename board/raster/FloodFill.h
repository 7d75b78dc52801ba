#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>

class QImage;

// What one fill painted. Pixels that already had the fill colour count as painted.
struct FillResult
{
    int painted = 0;
    // The smallest rectangle holding every painted pixel; empty when nothing was painted.
    QRect bounds;
};

// Paints every pixel 4-connected to `seed` that is not of the wall colour with `fill`, earlier
// fills and pixels already in `fill` included. A seed on a wall pixel, or outside the image,
// paints nothing. Works with an explicit stack of runs (no recursion) and no per-pixel buffer
// besides the image; each pixel of the region is read a small bounded number of times and written
// twice.
// Precondition: `image` is Format_RGB32 (every pixel opaque).
FillResult floodFill(QImage &image, QPoint seed, QRgb fill, QRgb wall = 0xff000000);
