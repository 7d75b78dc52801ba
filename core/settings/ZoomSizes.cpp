#include "core/settings/ZoomSizes.h"

#include <cmath>

namespace ZoomSizes {

std::int16_t largestFitting(std::int16_t chosen, Size client, Size frame, Size available)
{
    const auto fits = [&](std::int16_t size) {
        // A fractional size covers the partly covered pixel too.
        const auto zoomed = [size](int length) {
            return static_cast<int>(std::ceil(length * size / 100.0));
        };
        return zoomed(client.width) + frame.width <= available.width &&
               zoomed(client.height) + frame.height <= available.height;
    };
    std::int16_t largest = LayoutSize;
    for (const std::int16_t size : Sizes) {
        if (size <= chosen && fits(size))
            largest = size;
    }
    return largest;
}

} // namespace ZoomSizes
