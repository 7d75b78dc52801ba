#include "core/patterns/Grids.h"

#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"

namespace {

void makeGrid(Surface &board, Surface &strip, const GameSettings &settings, std::int16_t columns,
              std::int16_t rows)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.ScaleWidth()) / columns);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.ScaleHeight()) / rows);
    board.setDrawWidth(PatternFrame::lineWidth(settings));
    drawGridLines(board, dx, dy, columns, rows);
}

} // namespace

void drawGridLines(Surface &board, std::int16_t dx, std::int16_t dy, std::int16_t columns,
                   std::int16_t rows)
{
    for (std::int16_t i = 1; i < columns; ++i)
        board.line(i * dx, 0, i * dx, board.ScaleHeight(), PatternFrame::LineColor);
    for (std::int16_t j = 1; j < rows; ++j)
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
