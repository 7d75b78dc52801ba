#include "patterns/DiagonalLines.h"

#include "patterns/PatternFrame.h"

#include "board/raster/Surface.h"

void MakeNaname(Surface &board, Surface &strip, const GameSettings &settings)
{
    PatternFrame::open(board, strip);
    const qint16 dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / 8);
    const qint16 dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / 6);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    const int height = board.ScaleHeight();
    // The outermost lines of each family touch the board at a corner at most.
    for (qint16 k = -3; k <= 8; ++k)
        board.line((k + 3) * dx, 0, k * dx, height, PatternFrame::LineColor);
    for (qint16 k = -3; k <= 8; ++k)
        board.line(k * dx, 0, (k + 3) * dx, height, PatternFrame::LineColor);
    for (qint16 j = 1; j <= 5; ++j)
        board.line(0, j * dy, board.ScaleWidth(), j * dy, PatternFrame::LineColor);
}
