#pragma once

#include "core/board/FloodFill.h"

#include <QImage>
#include <QList>
#include <QPoint>

#include <algorithm>

// The 4-connected white regions of a board raster, found by flood-filling each in turn, up to
// the black walls, with a colour of its own.
class RegionMap
{
public:
    // Specks smaller than this, left where thick lines cross, are not counted as regions.
    static constexpr int SpeckLimit = 50;

    explicit RegionMap(const QImage &board)
        : m_labels(board.convertToFormat(QImage::Format_RGB32))
    {
        for (int y = 0; y < m_labels.height(); ++y) {
            for (int x = 0; x < m_labels.width(); ++x) {
                if (m_labels.pixel(x, y) != White)
                    continue;
                const QRgb labelColor = Black + QRgb(m_sizes.size()) + 1;
                m_sizes << floodFill(m_labels, QPoint(x, y), labelColor, Black).painted;
            }
        }
    }

    // Pixels per region, largest specks included, in the order their top left pixel is met.
    const QList<int> &sizes() const { return m_sizes; }

    // The regions of at least SpeckLimit pixels.
    QList<int> regionSizes() const
    {
        QList<int> result;
        std::copy_if(m_sizes.begin(), m_sizes.end(), std::back_inserter(result),
                     [](int size) { return size >= SpeckLimit; });
        return result;
    }

    qsizetype specks() const { return m_sizes.size() - regionSizes().size(); }

    // The region under a pixel, or -1 on a wall. Precondition: the board was black and white.
    int label(QPoint p) const
    {
        const QRgb color = m_labels.pixel(p);
        return color == Black ? -1 : int(color - Black) - 1;
    }

private:
    static constexpr QRgb Black = 0xff000000;
    static constexpr QRgb White = 0xffffffff;

    QImage m_labels;
    QList<int> m_sizes;
};
