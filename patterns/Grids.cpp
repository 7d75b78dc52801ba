#include "patterns/Grids.h"

#include "patterns/PatternFrame.h"

#include "board/raster/Surface.h"

namespace {

void makeGrid(Surface &board, Surface &strip, const GameSettings &settings, qint16 columns,
              qint16 rows)
{
    PatternFrame::open(board, strip);
    const qint16 dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / columns);
    const qint16 dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / rows);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    drawGridLines(board, dx, dy, columns, rows);
}

} // namespace

void drawGridLines(Surface &board, qint16 dx, qint16 dy, qint16 columns, qint16 rows)
{
    for (qint16 i = 1; i < columns; ++i)
        board.line(i * dx, 0, i * dx, board.ScaleHeight(), PatternFrame::LineColor);
    for (qint16 j = 1; j < rows; ++j)
        board.line(0, j * dy, board.ScaleWidth(), j * dy, PatternFrame::LineColor);
}

void MakeGrid(Surface &board, Surface &strip, const GameSettings &settings)
{
    makeGrid(board, strip, settings, 8, 6);
}

void MakeGridSmall(Surface &board, Surface &strip, const GameSettings &settings)
{
    makeGrid(board, strip, settings, 16, 12);
}
