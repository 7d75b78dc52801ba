#include "core/board/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace {

void plot(Raster &image, int x, int y, Rgb color)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, color);
}

} // namespace

namespace LineRaster {

void line(Raster &image, int x1, int y1, int x2, int y2, Rgb color, int width)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    // The thick line's extra pixel lies across the minor direction.
    const bool xMajor = dx >= -dy;
    const int thickX = xMajor ? 0 : 1;
    const int thickY = xMajor ? 1 : 0;

    int x = x1;
    int y = y1;
    int error = dx + dy;
    for (;;) {
        plot(image, x, y, color);
        for (int extra = 1; extra < width; ++extra)
            plot(image, x + extra * thickX, y + extra * thickY, color);
        if (x == x2 && y == y2)
            break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void filledBox(Raster &image, int x1, int y1, int x2, int y2, Rgb color)
{
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), image.width() - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), image.height() - 1);
    if (left > right)
        return; // wholly beside the image
    for (int y = top; y <= bottom; ++y) {
        Rgb *row = image.row(y);
        std::fill(row + left, row + right + 1, color);
    }
}

} // namespace LineRaster
