#include "desktop/pictures/PictureLoader.h"

#include "desktop/pictures/MetafileHelper.h"
#include "desktop/pictures/MetafileSignature.h"
#include "desktop/pictures/PictureDecoder.h"

#include <QFile>
#include <QFileInfo>

namespace Pictures {

std::optional<QImage> loadPicture(const QString &path)
{
    // Only regular files: a FIFO or a device such as /dev/zero would block or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0)
        return std::nullopt;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (looksLikeMetafile(file.peek(MetafileSignatureSize)))
        return renderMetafile(path);
    if (std::optional<QImage> picture = decodePicture(file))
        return picture;
    if (info.suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0)
        return renderMetafile(path);
    return std::nullopt;
}

} // namespace Pictures
