#include "core/board/Surface.h"

#include "core/board/LineRaster.h"
#include "core/board/Palette.h"

#include <algorithm>

Surface::Surface(int width, int height, Rgb backColor)
    : m_image(width, height, opaque(backColor))
    , m_backColor(opaque(backColor))
{}

void Surface::setBackColor(Rgb color)
{
    m_backColor = opaque(color);
    m_image.fill(m_backColor);
}

void Surface::setPicture(const Raster &picture)
{
    m_image.fill(m_backColor);
    const int width = std::min(picture.width(), m_image.width());
    const int height = std::min(picture.height(), m_image.height());
    for (int y = 0; y < height; ++y) {
        const Rgb *from = picture.row(y);
        std::transform(from, from + width, m_image.row(y), opaque);
    }
}

void Surface::clearPicture()
{
    m_image.fill(m_backColor);
}

void Surface::line(int x1, int y1, int x2, int y2, Rgb color)
{
    LineRaster::line(m_image, x1, y1, x2, y2, opaque(color), m_penWidth);
}

void Surface::filledBox(int x1, int y1, int x2, int y2, Rgb color)
{
    LineRaster::filledBox(m_image, x1, y1, x2, y2, opaque(color));
}

std::int32_t Surface::colorValueAt(int x, int y) const
{
    if (!m_image.rect().contains({x, y}))
        return -1;
    return Palette::colorValue(m_image.pixel(x, y));
}

FillResult Surface::floodFill(int x, int y, Rgb border)
{
    if (m_fillStyle == FillStyle::Transparent)
        return {};
    return ::floodFill(m_image, {x, y}, opaque(m_fillColor), border);
}
