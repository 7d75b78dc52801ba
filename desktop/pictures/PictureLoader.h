#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace Pictures {

// Loads the picture file at `path` for the board: BMP, JPEG, GIF (first frame) and PNG through
// Qt's readers, Windows metafiles (placeable or not) through the metafile helper process. The
// content decides the format; a metafile is recognised by its header, or by a ".wmf" name when
// Qt's readers cannot read the file. Returns a Format_RGB32 image at the picture's own size (a
// metafile rendered at 96 dpi), transparent parts white. Nullopt for anything that is not a
// readable picture: a missing, empty or non-regular file, a damaged or truncated one, an unknown
// format, or a picture of more than MaxPixels pixels. May block for up to MetafileHelperTimeout.
std::optional<QImage> loadPicture(const QString &path);

} // namespace Pictures
