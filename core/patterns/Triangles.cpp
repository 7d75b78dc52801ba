#include "core/patterns/Triangles.h"

#include "core/patterns/Grids.h"
#include "core/patterns/PatternFrame.h"

#include "core/board/Surface.h"

void makeTriangles(Surface &board, Surface &strip, const GameSettings &settings)
{
    PatternFrame::open(board, strip);
    const std::int16_t dx = PatternFrame::roundHalfEven(double(board.width()) / 8);
    const std::int16_t dy = PatternFrame::roundHalfEven(double(board.height()) / 6);
    board.setPenWidth(PatternFrame::lineWidth(settings));
    drawGridLines(board, dx, dy, 8, 6);
    // 45-degree lines six column widths across, through every crossing of the grid; most start
    // or end outside the board.
    const int height = board.height();
    for (std::int16_t k = -6; k <= 8; ++k)
        board.line((k + 6) * dx, 0, k * dx, height, PatternFrame::LineColor);
    for (std::int16_t k = -6; k <= 8; ++k)
        board.line(k * dx, 0, (k + 6) * dx, height, PatternFrame::LineColor);
}
