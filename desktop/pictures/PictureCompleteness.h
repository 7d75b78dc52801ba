#pragma once

#include <QByteArray>

class QIODevice;

namespace Pictures {

// False when the picture data in `device`, of Qt image format `format` ("jpeg", "bmp", "gif"),
// has been cut off. Qt's readers return what they could decode of a truncated JPEG, BMP or GIF
// and fill the rest with grey, transparency or whatever memory held, and report success. The
// checks look at the file's structure only:
// - JPEG: an end-of-image marker follows the start of the last scan;
// - BMP without compression: the file holds every row its header announces (run-length data
//   cannot be measured without decoding it and is taken as it is);
// - GIF: the first frame's data blocks run to their terminator.
// Other formats are taken as complete. Reads `device` from its start.
bool isComplete(QIODevice &device, const QByteArray &format);

} // namespace Pictures
