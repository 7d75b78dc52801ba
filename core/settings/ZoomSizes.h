#pragma once

#include "core/board/Geometry.h"

#include <array>
#include <cstdint>

// The sizes at which the teacher may have the game shown, in percent of the layout's own size,
// for projectors and whiteboards where the layout's size is too small to see from the back row.
namespace ZoomSizes {

inline constexpr std::int16_t LayoutSize = 100;
inline constexpr std::array<std::int16_t, 4> Sizes{100, 125, 150, 200};

// The largest of Sizes, not above `chosen`, at which a window whose client area measures `client`
// at 100 %, inside a frame of `frame` that the desktop draws at its own scale, fits into
// `available`; LayoutSize when none does. Every size is in the desktop's logical pixels.
std::int16_t largestFitting(std::int16_t chosen, Size client, Size frame, Size available);

} // namespace ZoomSizes
