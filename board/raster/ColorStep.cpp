#include "board/raster/ColorStep.h"

qint16 colorStep(qint16 current, qint16 other)
{
    int next = current + 1;
    if (next == other)
        ++next;
    if (next > 15)
        next = 1;
    return static_cast<qint16>(next);
}
