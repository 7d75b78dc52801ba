#include "patterns/LineRemoval.h"

#include "patterns/PatternFrame.h"
#include "patterns/RandomSequence.h"

#include "app/settings/GameSettings.h"
#include "board/raster/Surface.h"

void Makesennuki(Surface &board, Surface &strip, const GameSettings &settings,
                 RandomSequence &random)
{
    PatternFrame::open(board, strip);
    const qint16 dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / 16);
    const qint16 dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / 12);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    random.RestartRandom();
    for (qint16 c = 0; c <= 15; ++c) {
        for (qint16 r = 1; r <= 11; ++r) {
            const float u = random.NextRandom();
            if (u < settings.Rate[0])
                board.line(c * dx, r * dy, (c + 1) * dx, r * dy, PatternFrame::LineColor);
        }
    }
    for (qint16 r = 0; r <= 11; ++r) {
        for (qint16 c = 1; c <= 15; ++c) {
            const float u = random.NextRandom();
            if (u < settings.Rate[1])
                board.line(c * dx, r * dy, c * dx, (r + 1) * dy, PatternFrame::LineColor);
        }
    }
}
