#include "BenchBoards.h"
#include "core/board/Measurement.h"
#include "core/board/Palette.h"
#include "core/board/Surface.h"

#include <benchmark/benchmark.h>

namespace {

// The fine grid with every other square painted, alternating between the two sides.
Surface paintedBoard()
{
    return BenchBoards::paintedFineGrid([](int column, int row) {
        if (column % 2 != 0)
            return -1;
        return (row + column / 2) % 2 != 0 ? 9 : 12;
    });
}

void BM_SampleTerritory(benchmark::State &state)
{
    const Surface board = paintedBoard();
    for (auto _ : state) {
        TerritoryCount count =
            sampleTerritory(board.image(), Palette::color(9), Palette::color(12));
        benchmark::DoNotOptimize(count);
    }
    constexpr int samples = 214 * 160;
    state.SetItemsProcessed(state.iterations() * samples);
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * samples,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_MeasureAndDrawGraph(benchmark::State &state)
{
    const Surface board = paintedBoard();
    Surface strip(640, 11, Palette::LightGrey);
    for (auto _ : state) {
        drawTerritoryGraph(strip,
                           sampleTerritory(board.image(), Palette::color(9), Palette::color(12)),
                           Palette::color(9), Palette::color(12));
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_SampleTerritory);
BENCHMARK(BM_MeasureAndDrawGraph);
