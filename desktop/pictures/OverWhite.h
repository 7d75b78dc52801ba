#pragma once

#include <QImage>

namespace Pictures {

// `image` as Format_RGB32, its transparent and half-transparent pixels composed over white.
// Converted straight to RGB32, a transparent pixel keeps whatever colour it holds, often black,
// and black is a wall on the board.
QImage composedOverWhite(const QImage &image);

} // namespace Pictures
