#pragma once

#include "core/board/Palette.h"
#include "core/board/Surface.h"

// Boards the benchmarks share.
namespace BenchBoards {

// The fine grid: one-pixel walls every 40 pixels, 16 x 12 squares.
inline Surface fineGrid()
{
    Surface board(640, 480);
    for (int x = 40; x < 640; x += 40)
        board.line(x, 0, x, 479, Palette::Black);
    for (int y = 40; y < 480; y += 40)
        board.line(0, y, 639, y, Palette::Black);
    return board;
}

// The serpentine comb: a one-pixel wall on every odd column, open alternately at the top and at
// the bottom, so that one corridor winds through the whole board and every row is 320 one-pixel
// runs: the worst case for a fill that works in runs.
inline Surface comb()
{
    Surface board(640, 480);
    for (int x = 1; x < 640; x += 2) {
        const bool openAtTop = x % 4 == 1;
        board.line(x, openAtTop ? 1 : 0, x, openAtTop ? 479 : 478, Palette::Black);
    }
    return board;
}

// The fine grid with square (column, row) painted in the palette colour colorOf(column, row), or
// left white where that is negative.
template <typename ColorOf> Surface paintedFineGrid(ColorOf colorOf)
{
    Surface board = fineGrid();
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 16; ++column) {
            const int color = colorOf(column, row);
            if (color >= 0)
                board.filledBox(column * 40 + 1, row * 40 + 1, column * 40 + 39, row * 40 + 39,
                                Palette::color(color));
        }
    }
    return board;
}

} // namespace BenchBoards
