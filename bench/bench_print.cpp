#include "board/Palette.h"
#include "board/Surface.h"
#include "board/print/ColourCopyPage.h"

#include <benchmark/benchmark.h>

namespace {

// The fine grid with every one of its 192 squares painted, the colours taking turns.
Surface paintedFineGrid()
{
    Surface board(640, 480);
    for (int x = 40; x < 640; x += 40)
        board.line(x, 0, x, 479, Palette::Black);
    for (int y = 40; y < 480; y += 40)
        board.line(0, y, 639, y, Palette::Black);
    int square = 0;
    for (int top = 1; top < 480; top += 40)
        for (int left = 1; left < 640; left += 40)
            board.filledBox(left, top, left + 38, top + 38, Palette::color(1 + square++ % 15));
    return board;
}

// The whole colour-copy page of a fully painted board: 308,321 board reads, 1,233,284 plots.
void composeColourCopyPage(benchmark::State &state)
{
    const Surface board = paintedFineGrid();
    for (auto _ : state) {
        ColourCopyPage page(board);
        while (!page.isComplete())
            page.plotColumn();
        benchmark::DoNotOptimize(page.image().constBits());
    }
}
BENCHMARK(composeColourCopyPage)->Unit(benchmark::kMillisecond);

} // namespace
