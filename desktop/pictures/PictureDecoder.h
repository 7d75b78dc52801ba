#pragma once

#include <QImage>

#include <optional>

class QIODevice;

namespace Pictures {

// Decodes a BMP, JPEG, GIF (its first frame) or PNG picture from `device` with Qt's readers, the
// content deciding the format, whatever the file is called. Returns it as Format_RGB32 at its own
// size, transparent pixels composed over white; nullopt when the content is none of these formats,
// is damaged or truncated, or is larger than MaxPixels. The size in the header is checked before
// anything is decoded, and Qt's allocation limit is raised or lowered to match (it is global to
// the process). `device` must be open for reading and random access.
std::optional<QImage> decodePicture(QIODevice &device);

} // namespace Pictures
