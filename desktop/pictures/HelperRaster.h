#pragma once

#include <QByteArrayView>
#include <QImage>

#include <optional>

namespace Pictures {

// The picture in what the metafile helper wrote (see HelperRasterFormat.h), as Format_RGB32.
// Nullopt unless `output` is exactly one such raster, at least 1 x 1 and at most MaxPixels pixels.
std::optional<QImage> decodeHelperRaster(QByteArrayView output);

// The most bytes a valid helper output can have; reading stops beyond it.
qsizetype maxHelperRasterBytes();

} // namespace Pictures
