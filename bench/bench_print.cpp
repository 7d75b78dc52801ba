#include "BenchBoards.h"
#include "core/print/ColourCopyPage.h"

#include <benchmark/benchmark.h>

namespace {

// The fine grid with every one of its 192 squares painted, the colours taking turns.
Surface paintedFineGrid()
{
    return BenchBoards::paintedFineGrid(
        [](int column, int row) { return 1 + (row * 16 + column) % 15; });
}

// The whole colour-copy page of a fully painted board: 308,321 board reads, 1,233,284 plots.
void composeColourCopyPage(benchmark::State &state)
{
    const Surface board = paintedFineGrid();
    for (auto _ : state) {
        ColourCopyPage page(board);
        while (!page.isComplete())
            page.plotColumn();
        benchmark::DoNotOptimize(page.image().bits());
    }
}
BENCHMARK(composeColourCopyPage)->Unit(benchmark::kMillisecond);

} // namespace
