#include "patterns/Triangles.h"

#include "patterns/Grids.h"
#include "patterns/PatternFrame.h"

#include "board/raster/Surface.h"

void MakeTriangle(Surface &board, Surface &strip, const GameSettings &settings)
{
    PatternFrame::open(board, strip);
    const qint16 dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / 8);
    const qint16 dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / 6);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    drawGridLines(board, dx, dy, 8, 6);
    // 45-degree lines six column widths across, through every crossing of the grid; most start
    // or end outside the board.
    const int height = board.ScaleHeight();
    for (qint16 k = -6; k <= 8; ++k)
        board.line((k + 6) * dx, 0, k * dx, height, PatternFrame::LineColor);
    for (qint16 k = -6; k <= 8; ++k)
        board.line(k * dx, 0, (k + 6) * dx, height, PatternFrame::LineColor);
}
