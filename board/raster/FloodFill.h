#pragma once

#include <QPoint>
#include <QRgb>

class QImage;

// Paints every pixel 4-connected to `seed` that is not of the wall colour with `fill`, earlier
// fills and pixels already in `fill` included. A seed on a wall pixel, or outside the image,
// paints nothing. Works with an explicit span stack (no recursion) and reads and writes the
// scanlines directly; each pixel of the region is visited a small constant number of times.
// Precondition: `image` is Format_RGB32 (every pixel opaque). Returns the number of pixels painted.
int floodFill(QImage &image, QPoint seed, QRgb fill, QRgb wall = 0xff000000);
