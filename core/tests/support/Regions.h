#pragma once

#include "core/board/FloodFill.h"
#include "core/board/Raster.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

// The 4-connected white regions of a board raster, found by flood-filling each in turn, up to
// the black walls, with a colour of its own.
class RegionMap
{
public:
    // Specks smaller than this, left where thick lines cross, are not counted as regions.
    static constexpr int SpeckLimit = 50;

    explicit RegionMap(const Raster &board)
        : m_labels(board)
    {
        for (int y = 0; y < m_labels.height(); ++y) {
            for (int x = 0; x < m_labels.width(); ++x) {
                if (m_labels.pixel(x, y) != White)
                    continue;
                const Rgb labelColor = Black + static_cast<Rgb>(m_sizes.size()) + 1;
                m_sizes.push_back(floodFill(m_labels, {x, y}, labelColor, Black).painted);
            }
        }
    }

    // Pixels per region, largest specks included, in the order their top left pixel is met.
    const std::vector<int> &sizes() const { return m_sizes; }

    // The regions of at least SpeckLimit pixels.
    std::vector<int> regionSizes() const
    {
        std::vector<int> result;
        std::copy_if(m_sizes.begin(), m_sizes.end(), std::back_inserter(result),
                     [](int size) { return size >= SpeckLimit; });
        return result;
    }

    std::size_t specks() const { return m_sizes.size() - regionSizes().size(); }

    // The region under a pixel, or -1 on a wall. Precondition: the board was black and white.
    int label(Point p) const
    {
        const Rgb color = m_labels.pixel(p.x, p.y);
        return color == Black ? -1 : static_cast<int>(color - Black) - 1;
    }

private:
    static constexpr Rgb Black = 0xff000000;
    static constexpr Rgb White = 0xffffffff;

    Raster m_labels;
    std::vector<int> m_sizes;
};
