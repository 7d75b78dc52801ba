#pragma once

#include "core/board/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One pixel: 0xAARRGGBB in a 32-bit word, the layout of the desktop's 32-bit RGB images, so a
// front-end can show a raster's memory as it is. The board's pixels are always opaque.
using Rgb = std::uint32_t;

constexpr Rgb OpaqueAlpha = 0xff000000;

constexpr Rgb opaque(Rgb color)
{
    return color | OpaqueAlpha;
}

constexpr Rgb rgb(int red, int green, int blue)
{
    return OpaqueAlpha | static_cast<Rgb>((red & 0xff) << 16 | (green & 0xff) << 8 | (blue & 0xff));
}

constexpr int redOf(Rgb color)
{
    return static_cast<int>(color >> 16 & 0xff);
}

constexpr int greenOf(Rgb color)
{
    return static_cast<int>(color >> 8 & 0xff);
}

constexpr int blueOf(Rgb color)
{
    return static_cast<int>(color & 0xff);
}

// A rectangle of pixels in rows of `stride` pixels, the first row at the top. A raster that is
// not empty holds at least one pixel.
class Raster
{
public:
    Raster() = default;
    Raster(int width, int height, Rgb fill = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Size size() const { return {m_width, m_height}; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    // Pixels from the start of one row to the start of the next.
    std::ptrdiff_t stride() const { return m_width; }

    Rgb *row(int y) { return m_pixels.data() + y * stride(); }
    const Rgb *row(int y) const { return m_pixels.data() + y * stride(); }
    Rgb *bits() { return m_pixels.data(); }
    const Rgb *bits() const { return m_pixels.data(); }

    // Precondition: rect().contains({x, y}).
    Rgb pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, Rgb color) { row(y)[x] = color; }

    void fill(Rgb color);

    friend bool operator==(const Raster &, const Raster &) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Rgb> m_pixels;
};
