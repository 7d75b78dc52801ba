#include "core/patterns/DiagonalLines.h"

#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"

void MakeNaname(Surface &board, Surface &strip, const GameSettings &settings)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / 8);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / 6);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    const int height = board.ScaleHeight();
    // The outermost lines of each family touch the board at a corner at most.
    for (std::int16_t k = -3; k <= 8; ++k)
        board.line((k + 3) * dx, 0, k * dx, height, PatternFrame::LineColor);
    for (std::int16_t k = -3; k <= 8; ++k)
        board.line(k * dx, 0, (k + 3) * dx, height, PatternFrame::LineColor);
    for (std::int16_t j = 1; j <= 5; ++j)
        board.line(0, j * dy, board.ScaleWidth(), j * dy, PatternFrame::LineColor);
}
