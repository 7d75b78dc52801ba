#pragma once

#include <cstdint>

// Shared with the metafile helper, which links no Qt: plain C++ only.
namespace Pictures {

// The largest picture decoded, in pixels (8000 x 8000). The board shows 640 x 480, so this only
// keeps a hostile or damaged header from making us allocate gigabytes.
inline constexpr std::int64_t MaxPixels = 64'000'000;

constexpr bool fitsPixelLimit(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= MaxPixels && height <= MaxPixels / width;
}

} // namespace Pictures
