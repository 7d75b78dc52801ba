#include "core/patterns/RandomLines.h"

#include "core/patterns/PatternFrame.h"
#include "core/patterns/RandomSequence.h"

#include "core/board/Surface.h"

namespace {

// An end point from 0 to span inclusive: the product is rounded at double precision, so span
// itself comes out only for r * span >= span - 0.5.
std::int16_t randomEnd(RandomSequence &random, std::int16_t span)
{
    return PatternFrame::roundHalfEven(double(random.next()) * span);
}

} // namespace

void makeRandomLines(Surface &board, Surface &strip, const GameSettings &settings,
                     RandomSequence &random)
{
    PatternFrame::open(board, strip);
    const std::int16_t width = PatternFrame::roundHalfEven(board.width());
    const std::int16_t height = PatternFrame::roundHalfEven(board.height());
    board.setPenWidth(PatternFrame::lineWidth(settings));
    for (std::int16_t n = 0; n <= 4; ++n) {
        const std::int16_t top = randomEnd(random, width);
        const std::int16_t bottom = randomEnd(random, width);
        board.line(top, 0, bottom, height, PatternFrame::LineColor);
    }
    for (std::int16_t n = 0; n <= 3; ++n) {
        const std::int16_t left = randomEnd(random, height);
        const std::int16_t right = randomEnd(random, height);
        board.line(0, left, width, right, PatternFrame::LineColor);
    }
}
