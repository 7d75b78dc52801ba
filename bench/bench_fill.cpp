#include "FillBoards.h"
#include "core/board/Palette.h"
#include "core/board/Raster.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// One press at each of the case's points per iteration, the colour changing every iteration so
// that each press paints its whole region again.
void fill(benchmark::State &state, const FillBoards::FillCase &fillCase)
{
    Raster board = fillCase.board;
    int painted = 0;
    int turn = 0;
    for (auto _ : state) {
        painted = FillBoards::fillAll(board, fillCase.seeds, FillBoards::fillColor(turn++));
        benchmark::DoNotOptimize(painted);
    }
    state.counters["pixels"] = painted;
    state.counters["presses"] = static_cast<double>(fillCase.seeds.size());
    state.SetItemsProcessed(state.iterations() * painted);
}

// BM_Fill/<board> for every board of FillBoards, the names tools/bench-wasm.sh prints.
const bool registered = [] {
    for (FillBoards::FillCase &fillCase : FillBoards::fillCases()) {
        const std::string name = "BM_Fill/" + fillCase.name;
        benchmark::RegisterBenchmark(
            name.c_str(),
            [fillCase = std::move(fillCase)](benchmark::State &state) { fill(state, fillCase); });
    }
    return true;
}();

// The floor: writing the whole 640 x 480 buffer once.
void BM_WriteWholeBoard(benchmark::State &state)
{
    Raster board = FillBoards::whiteBoard();
    Rgb color = Palette::color(9);
    for (auto _ : state) {
        std::fill(board.bits(), board.bits() + 640 * 480, color);
        color ^= 0x00ffffff;
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_WriteWholeBoard);
