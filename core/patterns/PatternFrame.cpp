#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"
#include "core/settings/GameSettings.h"

#include <algorithm>
#include <cassert>
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

std::int16_t roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    assert(rounded >= lowest && rounded <= highest);
    return static_cast<std::int16_t>(std::clamp(rounded, lowest, highest));
}

} // namespace PatternFrame
