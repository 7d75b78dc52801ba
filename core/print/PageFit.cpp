#include "core/print/PageFit.h"

#include <algorithm>
#include <cstdint>

namespace {

// round(a * b / c) for positive values, halves rounded up, without overflow for page sizes.
int scaledSide(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return static_cast<int>(std::max<std::int64_t>(1, (2 * a * b + c) / (2 * c)));
}

} // namespace

Rect fitToPage(const Rect &page, const Size &source)
{
    if (page.isEmpty() || source.isEmpty())
        return {};
    const std::int64_t sourceWidth = source.width;
    const std::int64_t sourceHeight = source.height;
    // The source is relatively wider than the page exactly when it fills the page's width first.
    if (sourceWidth * page.height >= sourceHeight * page.width)
        return {page.x, page.y, page.width, scaledSide(sourceHeight, page.width, sourceWidth)};
    return {page.x, page.y, scaledSide(sourceWidth, page.height, sourceHeight), page.height};
}
