#include "desktop/pictures/PictureDecoder.h"

#include "core/pictures/PictureLimits.h"
#include "desktop/pictures/OverWhite.h"
#include "desktop/pictures/PictureCompleteness.h"

#include <QIODevice>
#include <QImageReader>

namespace Pictures {

namespace {

// Enough for the largest allowed picture at 8 bytes a pixel (16-bit PNG channels).
constexpr int AllocationLimitMiB = int(MaxPixels * 8 / (std::int64_t{1024} * 1024)) + 1;

bool isAcceptedFormat(const QByteArray &format)
{
    // Only what the board offers: Qt's SVG, ICO and netpbm readers are not needed here, and each
    // reader left out is one less parser exposed to a hostile file.
    return format == "bmp" || format == "jpeg" || format == "gif" || format == "png";
}

} // namespace

std::optional<QImage> decodePicture(QIODevice &device)
{
    QImageReader::setAllocationLimit(AllocationLimitMiB);
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    if (!reader.canRead() || !isAcceptedFormat(reader.format()))
        return std::nullopt;
    const QByteArray format = reader.format();

    const QSize claimed = reader.size();
    if (claimed.isValid() && !fitsPixelLimit(claimed.width(), claimed.height()))
        return std::nullopt;

    const QImage image = reader.read();
    if (image.isNull() || !fitsPixelLimit(image.width(), image.height()))
        return std::nullopt;
    if (!isComplete(device, format))
        return std::nullopt;

    QImage opaque = composedOverWhite(image);
    if (opaque.isNull())
        return std::nullopt;
    return opaque;
}

} // namespace Pictures
