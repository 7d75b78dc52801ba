#include "BenchBoards.h"
#include "core/board/FloodFill.h"
#include "core/board/LineRaster.h"
#include "core/board/Palette.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

QImage whiteBoard()
{
    QImage board(640, 480, QImage::Format_RGB32);
    board.fill(Palette::White);
    return board;
}

QImage slantedLines()
{
    QImage board = whiteBoard();
    for (int k = -3; k <= 8; ++k) {
        LineRaster::line(board, (k + 3) * 80, 0, k * 80, 480, Palette::Black);
        LineRaster::line(board, k * 80, 0, (k + 3) * 80, 480, Palette::Black);
    }
    return board;
}

// A wall spiralling inwards two pixels a turn: the corridor beside it is one pixel wide and
// covers the whole board, the worst case for a scanline fill.
QImage spiral()
{
    QImage board = whiteBoard();
    int left = 1, top = 1, right = 638, bottom = 478;
    int x = left, y = bottom;
    while (left < right && top < bottom) {
        LineRaster::line(board, x, y, left, top, Palette::Black);
        LineRaster::line(board, left, top, right, top, Palette::Black);
        LineRaster::line(board, right, top, right, bottom, Palette::Black);
        LineRaster::line(board, right, bottom, left + 2, bottom, Palette::Black);
        x = left + 2;
        y = bottom;
        left += 2;
        top += 2;
        right -= 2;
        bottom -= 2;
    }
    return board;
}

void fillFrom(benchmark::State &state, QImage board, QPoint seed)
{
    const QRgb colors[] = {Palette::color(9), Palette::color(12)};
    int painted = 0;
    int turn = 0;
    for (auto _ : state) {
        painted = floodFill(board, seed, colors[turn++ & 1]).painted;
        benchmark::DoNotOptimize(painted);
    }
    state.counters["pixels"] = painted;
}

void BM_FillEmptyBoard(benchmark::State &state)
{
    fillFrom(state, whiteBoard(), {320, 240});
}

void BM_FillOneGridCell(benchmark::State &state)
{
    fillFrom(state, BenchBoards::fineGrid().image(), {300, 220});
}

void BM_FillSlantedLinesRegion(benchmark::State &state)
{
    fillFrom(state, slantedLines(), {320, 10});
}

void BM_FillSpiralCorridor(benchmark::State &state)
{
    fillFrom(state, spiral(), {0, 0});
}

void BM_FillComb(benchmark::State &state)
{
    fillFrom(state, BenchBoards::comb().image(), {0, 0});
}

// The floor: writing the whole 640 x 480 buffer once.
void BM_WriteWholeBoard(benchmark::State &state)
{
    QImage board = whiteBoard();
    QRgb color = Palette::color(9);
    for (auto _ : state) {
        auto *pixels = reinterpret_cast<QRgb *>(board.bits());
        std::fill(pixels, pixels + 640 * 480, color);
        color ^= 0x00ffffff;
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_WriteWholeBoard);
BENCHMARK(BM_FillEmptyBoard);
BENCHMARK(BM_FillOneGridCell);
BENCHMARK(BM_FillSlantedLinesRegion);
BENCHMARK(BM_FillSpiralCorridor);
BENCHMARK(BM_FillComb);
