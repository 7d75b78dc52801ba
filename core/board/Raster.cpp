#include "core/board/Raster.h"

#include <algorithm>

Raster::Raster(int width, int height, Rgb fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill)
{}

void Raster::fill(Rgb color)
{
    std::fill(m_pixels.begin(), m_pixels.end(), color);
}
