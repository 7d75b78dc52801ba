#include "core/patterns/DiagonalLines.h"

#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"

void makeDiagonalLines(Surface &board, Surface &strip, const GameSettings &settings)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.width()) / 8);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.height()) / 6);
    board.setPenWidth(PatternFrame::lineWidth(settings));
    const int height = board.height();
    // The outermost lines of each family touch the board at a corner at most.
    for (std::int16_t k = -3; k <= 8; ++k)
        board.line((k + 3) * dx, 0, k * dx, height, PatternFrame::LineColor);
    for (std::int16_t k = -3; k <= 8; ++k)
        board.line(k * dx, 0, (k + 3) * dx, height, PatternFrame::LineColor);
    for (std::int16_t j = 1; j <= 5; ++j)
        board.line(0, j * dy, board.width(), j * dy, PatternFrame::LineColor);
}
