#include "desktop/pictures/HelperRaster.h"

#include "core/pictures/PictureLimits.h"
#include "metafile/HelperRasterFormat.h"

#include <QtEndian>

namespace Pictures {

using namespace HelperRaster;

qsizetype maxHelperRasterBytes()
{
    return static_cast<qsizetype>(HeaderSize) + MaxPixels * static_cast<qsizetype>(BytesPerPixel);
}

std::optional<QImage> decodeHelperRaster(QByteArrayView output)
{
    if (output.size() < qsizetype(HeaderSize) ||
        QByteArrayView(output.data(), sizeof Magic) != QByteArrayView(Magic, sizeof Magic))
        return std::nullopt;
    const qint64 width = qFromLittleEndian<quint32>(output.data() + 4);
    const qint64 height = qFromLittleEndian<quint32>(output.data() + 8);
    if (!fitsPixelLimit(width, height) ||
        output.size() != qsizetype(HeaderSize) + width * height * qsizetype(BytesPerPixel))
        return std::nullopt;

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const auto *source = reinterpret_cast<const uchar *>(output.data()) + HeaderSize;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, source += BytesPerPixel)
            line[x] = qRgb(source[0], source[1], source[2]);
    }
    return image;
}

} // namespace Pictures
