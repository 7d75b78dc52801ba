#include "app/settings/ZoomSizes.h"

#include <cmath>

namespace ZoomSizes {

qint16 largestFitting(qint16 chosen, QSize client, QSize frame, QSize available)
{
    const auto fits = [&](qint16 size) {
        // A fractional size covers the partly covered pixel too.
        const auto zoomed = [size](int length) {
            return static_cast<int>(std::ceil(length * size / 100.0));
        };
        return zoomed(client.width()) + frame.width() <= available.width() &&
               zoomed(client.height()) + frame.height() <= available.height();
    };
    qint16 largest = LayoutSize;
    for (const qint16 size : Sizes) {
        if (size <= chosen && fits(size))
            largest = size;
    }
    return largest;
}

} // namespace ZoomSizes
