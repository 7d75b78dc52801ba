#include "board/LineRaster.h"
#include "board/Measurement.h"
#include "board/Palette.h"
#include "board/Surface.h"

#include <benchmark/benchmark.h>

namespace {

// The fine grid with every other square painted, alternating between the two sides.
Surface paintedBoard()
{
    Surface board(640, 480);
    for (int x = 40; x < 640; x += 40)
        board.line(x, 0, x, 480, Palette::Black);
    for (int y = 40; y < 480; y += 40)
        board.line(0, y, 640, y, Palette::Black);
    board.setFillStyle(Surface::FillStyle::Solid);
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 16; column += 2) {
            board.setFillColor(Palette::color((row + column / 2) % 2 ? 9 : 12));
            board.floodFill(column * 40 + 20, row * 40 + 20);
        }
    }
    return board;
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
