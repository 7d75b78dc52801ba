#pragma once

#include "core/board/FloodFill.h"
#include "core/board/Raster.h"

#include <cstdint>

// A picture surface: the play board, the graph strip or a swatch. It holds one raster of what the
// surface shows, in pixel units with the origin at the top left. Drawing and painting go into that
// raster and stay there until a new background picture (or the empty one) replaces them all.
class Surface
{
public:
    enum class FillStyle { Solid = 0, Transparent = 1 };

    Surface(int width, int height, Rgb backColor = 0xffffffff);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    Rgb backColor() const { return m_backColor; }
    // Like the background picture, a new background colour clears the surface.
    void setBackColor(Rgb color);

    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width) { m_penWidth = width; }

    Rgb fillColor() const { return m_fillColor; }
    void setFillColor(Rgb color) { m_fillColor = color; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }

    // Erases everything, then shows `picture` at the top left at its own size over the background
    // colour; a smaller picture leaves the rest in the background colour, a larger one is cut.
    // The picture's pixels are taken as opaque.
    void setPicture(const Raster &picture);
    // The empty picture: erases everything drawn or painted.
    void clearPicture();

    void line(int x1, int y1, int x2, int y2, Rgb color);
    void filledBox(int x1, int y1, int x2, int y2, Rgb color);

    // The 24-bit colour value (red in the low byte) of pixel (x, y), or -1 outside the surface.
    std::int32_t colorValueAt(int x, int y) const;

    // Flood fill from (x, y) with the brush up to pixels of the border colour. Paints nothing with
    // a transparent brush, on a border pixel or outside.
    FillResult floodFill(int x, int y, Rgb border = 0xff000000);

    // What the surface shows; every pixel opaque.
    const Raster &image() const { return m_image; }

private:
    Raster m_image;
    Rgb m_backColor;
    Rgb m_fillColor = 0xff000000;
    FillStyle m_fillStyle = FillStyle::Transparent;
    int m_penWidth = 1;
};
