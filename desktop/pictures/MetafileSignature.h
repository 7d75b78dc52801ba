#pragma once

#include <QByteArrayView>

namespace Pictures {

// How many leading bytes of a file looksLikeMetafile() needs.
inline constexpr qsizetype MetafileSignatureSize = 6;

// True when `head`, the start of a file, is a Windows metafile: the placeable header's key
// 0x9AC6CDD7, or a standard header (type 1 or 2, a header of 9 words, version 0x0100 or 0x0300).
bool looksLikeMetafile(QByteArrayView head);

} // namespace Pictures
