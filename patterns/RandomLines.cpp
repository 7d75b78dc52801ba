#include "patterns/RandomLines.h"

#include "patterns/PatternFrame.h"
#include "patterns/RandomSequence.h"

#include "board/raster/Surface.h"

namespace {

// An end point from 0 to span inclusive: the product is rounded at double precision, so span
// itself comes out only for r * span >= span - 0.5.
qint16 randomEnd(RandomSequence &random, qint16 span)
{
    return PatternFrame::roundHalfEven(double(random.NextRandom()) * span);
}

} // namespace

void MakeRandom(Surface &board, Surface &strip, const GameSettings &settings,
                RandomSequence &random)
{
    PatternFrame::open(board, strip);
    const qint16 width = PatternFrame::roundHalfEven(board.ScaleWidth());
    const qint16 height = PatternFrame::roundHalfEven(board.ScaleHeight());
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    for (qint16 n = 0; n <= 4; ++n) {
        const qint16 top = randomEnd(random, width);
        const qint16 bottom = randomEnd(random, width);
        board.line(top, 0, bottom, height, PatternFrame::LineColor);
    }
    for (qint16 n = 0; n <= 3; ++n) {
        const qint16 left = randomEnd(random, height);
        const qint16 right = randomEnd(random, height);
        board.line(0, left, width, right, PatternFrame::LineColor);
    }
}
