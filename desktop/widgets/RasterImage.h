#pragma once

#include "core/board/Raster.h"

#include <QImage>

#include <algorithm>

// The raster's own memory seen as a 32-bit RGB image, without a copy: valid while the raster
// lives and keeps its size. A QImage made from const memory copies itself before any change.
inline QImage imageOf(const Raster &raster)
{
    return QImage(reinterpret_cast<const uchar *>(raster.bits()), raster.width(), raster.height(),
                  static_cast<qsizetype>(raster.stride() * sizeof(Rgb)), QImage::Format_RGB32);
}

inline QRect qRectOf(const Rect &rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

inline Rect rectOf(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// A copy of `image`'s pixels, converted to 32-bit RGB first where it is in another format.
inline Raster rasterOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Raster raster(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const Rgb *>(rgb.constScanLine(y));
        std::copy(line, line + rgb.width(), raster.row(y));
    }
    return raster;
}
