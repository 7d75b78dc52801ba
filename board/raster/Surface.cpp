#include "board/raster/Surface.h"

#include "board/raster/LineRaster.h"
#include "board/raster/Palette.h"

#include <QPainter>

namespace {

constexpr QRgb opaque(QRgb color)
{
    return color | 0xff000000;
}

} // namespace

Surface::Surface(int width, int height, QRgb backColor)
    : m_image(width, height, QImage::Format_RGB32)
    , m_backColor(opaque(backColor))
{
    m_image.fill(m_backColor);
}

void Surface::setBackColor(QRgb color)
{
    m_backColor = opaque(color);
    m_image.fill(m_backColor);
}

void Surface::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_image.fill(m_backColor);
    if (picture.isNull())
        return;
    // Drawn over the background so that transparent pixels show it rather than turning black.
    QPainter painter(&m_image);
    painter.drawImage(0, 0, picture);
}

void Surface::clearPicture()
{
    setPicture(QImage());
}

void Surface::line(int x1, int y1, int x2, int y2, QRgb color)
{
    LineRaster::line(m_image, x1, y1, x2, y2, opaque(color), m_drawWidth);
}

void Surface::filledBox(int x1, int y1, int x2, int y2, QRgb color)
{
    LineRaster::filledBox(m_image, x1, y1, x2, y2, opaque(color));
}

qint32 Surface::Point(int x, int y) const
{
    if (!m_image.rect().contains(x, y))
        return -1;
    return Palette::colorValue(reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x]);
}

FillResult Surface::floodFill(int x, int y, QRgb border)
{
    if (m_fillStyle == FillStyle::Transparent)
        return {};
    return ::floodFill(m_image, QPoint(x, y), opaque(m_fillColor), border);
}
