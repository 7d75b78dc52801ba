#include "core/patterns/LineRemoval.h"

#include "core/patterns/PatternFrame.h"
#include "core/patterns/RandomSequence.h"

#include "core/board/Surface.h"
#include "core/settings/GameSettings.h"

void makeLineRemoval(Surface &board, Surface &strip, const GameSettings &settings,
                     RandomSequence &random)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.width()) / 16);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.height()) / 12);
    board.setPenWidth(PatternFrame::lineWidth(settings));
    random.restart();
    for (std::int16_t c = 0; c <= 15; ++c) {
        for (std::int16_t r = 1; r <= 11; ++r) {
            const float u = random.next();
            if (u < settings.Rate[0])
                board.line(c * dx, r * dy, (c + 1) * dx, r * dy, PatternFrame::LineColor);
        }
    }
    for (std::int16_t r = 0; r <= 11; ++r) {
        for (std::int16_t c = 1; c <= 15; ++c) {
            const float u = random.next();
            if (u < settings.Rate[1])
                board.line(c * dx, r * dy, c * dx, (r + 1) * dy, PatternFrame::LineColor);
        }
    }
}
