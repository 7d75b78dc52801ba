#include "patterns/PatternFrame.h"

#include "app/settings/GameSettings.h"
#include "board/raster/Surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PatternFrame {

void open(Surface &board, Surface &strip)
{
    board.clearPicture();
    strip.clearPicture();
}

int lineWidth(const GameSettings &settings)
{
    return std::max<int>(settings.LineWidth, 1);
}

qint16 roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    constexpr double lowest = std::numeric_limits<qint16>::min();
    constexpr double highest = std::numeric_limits<qint16>::max();
    Q_ASSERT(rounded >= lowest && rounded <= highest);
    return static_cast<qint16>(std::clamp(rounded, lowest, highest));
}

} // namespace PatternFrame
