#pragma once

#include <cstddef>

// What the metafile helper writes to its standard output: a 12-byte header (the magic below, then
// width and height as 32-bit little-endian numbers) followed by width * height pixels, row by
// row from the top, three bytes each (red, green, blue), all opaque. Shared with the helper, which
// links no Qt: plain C++ only.
namespace Pictures::HelperRaster {

inline constexpr char Magic[4] = {'M', 'W', 'R', '1'};
inline constexpr std::size_t HeaderSize = 12;
inline constexpr std::size_t BytesPerPixel = 3;

} // namespace Pictures::HelperRaster
