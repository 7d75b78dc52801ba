#pragma once

#include <QSize>
#include <QtGlobal>

#include <array>

// The sizes at which the teacher may have the game shown, in percent of the layout's own size,
// for projectors and whiteboards where the layout's size is too small to see from the back row.
namespace ZoomSizes {

inline constexpr qint16 LayoutSize = 100;
inline constexpr std::array<qint16, 4> Sizes{100, 125, 150, 200};

// The largest of Sizes, not above `chosen`, at which a window whose client area measures `client`
// at 100 %, inside a frame of `frame` that the desktop draws at its own scale, fits into
// `available`; LayoutSize when none does. Every size is in the desktop's logical pixels.
qint16 largestFitting(qint16 chosen, QSize client, QSize frame, QSize available);

} // namespace ZoomSizes
