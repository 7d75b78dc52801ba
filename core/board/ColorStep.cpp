#include "core/board/ColorStep.h"

std::int16_t colorStep(std::int16_t current, std::int16_t other)
{
    int next = current + 1;
    if (next == other)
        ++next;
    if (next > 15)
        next = 1;
    return static_cast<std::int16_t>(next);
}
