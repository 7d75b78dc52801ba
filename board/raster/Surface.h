#pragma once

#include "board/raster/FloodFill.h"

#include <QImage>
#include <QRgb>

// A picture surface: the play board, the graph strip or a swatch. It holds one raster of what the
// surface shows, in pixel units with the origin at the top left. Drawing and painting go into that
// raster and stay there until a new background picture (or the empty one) replaces them all.
class Surface
{
public:
    enum class FillStyle { Solid = 0, Transparent = 1 };

    Surface(int width, int height, QRgb backColor = 0xffffffff);

    int ScaleWidth() const { return m_image.width(); }
    int ScaleHeight() const { return m_image.height(); }

    QRgb BackColor() const { return m_backColor; }
    // Like the background picture, a new background colour clears the surface.
    void setBackColor(QRgb color);

    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width) { m_drawWidth = width; }

    QRgb FillColor() const { return m_fillColor; }
    void setFillColor(QRgb color) { m_fillColor = color; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }

    // Erases everything, then shows `picture` at the top left at its own size over the background
    // colour; a smaller picture leaves the rest in the background colour, a larger one is cut.
    // Transparent pixels are composed over the background colour.
    void setPicture(const QImage &picture);
    // The empty picture: erases everything drawn or painted.
    void clearPicture();
    // The last picture set, or a null image after clearPicture().
    const QImage &picture() const { return m_picture; }

    void line(int x1, int y1, int x2, int y2, QRgb color);
    void filledBox(int x1, int y1, int x2, int y2, QRgb color);

    // The 24-bit colour value (red in the low byte) of pixel (x, y), or -1 outside the surface.
    qint32 Point(int x, int y) const;

    // Flood fill from (x, y) with the brush up to pixels of the border colour. Paints nothing with
    // a transparent brush, on a border pixel or outside.
    FillResult floodFill(int x, int y, QRgb border = 0xff000000);

    // What the surface shows, always Format_RGB32.
    const QImage &image() const { return m_image; }

private:
    QImage m_image;
    QImage m_picture;
    QRgb m_backColor;
    QRgb m_fillColor = 0xff000000;
    FillStyle m_fillStyle = FillStyle::Transparent;
    int m_drawWidth = 1;
};
