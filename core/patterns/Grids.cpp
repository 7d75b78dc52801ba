#include "core/patterns/Grids.h"

#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"

namespace {

void makeGrid(Surface &board, Surface &strip, const GameSettings &settings, std::int16_t columns,
              std::int16_t rows)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.width()) / columns);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.height()) / rows);
    board.setPenWidth(PatternFrame::lineWidth(settings));
    drawGridLines(board, dx, dy, columns, rows);
}

} // namespace

void drawGridLines(Surface &board, std::int16_t dx, std::int16_t dy, std::int16_t columns,
                   std::int16_t rows)
{
    for (std::int16_t i = 1; i < columns; ++i)
        board.line(i * dx, 0, i * dx, board.height(), PatternFrame::LineColor);
    for (std::int16_t j = 1; j < rows; ++j)
        board.line(0, j * dy, board.width(), j * dy, PatternFrame::LineColor);
}

void makeLargeGrid(Surface &board, Surface &strip, const GameSettings &settings)
{
    makeGrid(board, strip, settings, 8, 6);
}

void makeFineGrid(Surface &board, Surface &strip, const GameSettings &settings)
{
    makeGrid(board, strip, settings, 16, 12);
}
