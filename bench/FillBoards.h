#pragma once

#include "BenchBoards.h"
#include "core/board/FloodFill.h"
#include "core/board/LineRaster.h"
#include "core/board/Palette.h"
#include "core/board/Raster.h"
#include "core/board/Surface.h"
#include "core/patterns/DiagonalLines.h"
#include "core/patterns/Grids.h"
#include "core/patterns/LineRemoval.h"
#include "core/patterns/OriginalPicture.h"
#include "core/patterns/RandomLines.h"
#include "core/patterns/RandomSequence.h"
#include "core/patterns/Triangles.h"
#include "core/settings/GameSettings.h"

#include <cstdint>
#include <string>
#include <vector>

// The boards the fill is timed on and the points it is pressed at: the same for the native
// benchmark (bench_fill.cpp) and the one that also runs in WebAssembly (wasm_fill_bench.cpp), so
// that their figures compare. Standard C++ and the core only.
namespace FillBoards {

// The two colours the fills take turns with, so that every fill repaints its regions.
inline Rgb fillColor(int turn)
{
    return Palette::color(turn % 2 != 0 ? 12 : 9);
}

struct FillCase
{
    std::string name;
    Raster board;
    // One press per point, in this order.
    std::vector<Point> seeds;
};

// Pixels painted by one press at every seed with `color`.
inline int fillAll(Raster &board, const std::vector<Point> &seeds, Rgb color)
{
    int painted = 0;
    for (const Point seed : seeds)
        painted += floodFill(board, seed, color).painted;
    return painted;
}

inline Raster whiteBoard()
{
    return Raster(640, 480, Palette::White);
}

inline Raster slantedLines()
{
    Raster board = whiteBoard();
    for (int k = -3; k <= 8; ++k) {
        LineRaster::line(board, (k + 3) * 80, 0, k * 80, 480, Palette::Black);
        LineRaster::line(board, k * 80, 0, (k + 3) * 80, 480, Palette::Black);
    }
    return board;
}

// A wall spiralling inwards two pixels a turn: the corridor beside it is one pixel wide and
// covers the whole board, the worst case for a scanline fill.
inline Raster spiral()
{
    Raster board = whiteBoard();
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

// One point in every region of `board`, the first pixel of each in reading order: a child
// painting the whole board once.
inline std::vector<Point> everyRegion(const Raster &board)
{
    Raster scratch = board;
    const Rgb seen = Palette::color(9);
    std::vector<Point> seeds;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            const Rgb pixel = scratch.pixel(x, y);
            if (pixel == Palette::Black || pixel == seen)
                continue;
            seeds.push_back({x, y});
            floodFill(scratch, {x, y}, seen);
        }
    }
    return seeds;
}

// A pattern button's board with thin lines; the random patterns take a fixed seed.
template <typename Draw> Raster patternBoard(Draw draw)
{
    Surface board(640, 480);
    Surface strip(640, 11, Palette::LightGrey);
    GameSettings settings;
    settings.LineWidth = 1;
    settings.Rate = {0.85f, 0.75f};
    RandomSequence random([] { return std::uint32_t{1}; });
    draw(board, strip, settings, random);
    return board.image();
}

// Every board: the fixed cases first (one press each at a fixed point), then every pattern board
// and the built-in picture, each painted region by region.
inline std::vector<FillCase> fillCases()
{
    std::vector<FillCase> cases;
    cases.push_back({"empty", whiteBoard(), {{320, 240}}});
    cases.push_back({"gridCell", BenchBoards::fineGrid().image(), {{300, 220}}});
    cases.push_back({"slanted", slantedLines(), {{320, 10}}});
    cases.push_back({"spiral", spiral(), {{0, 0}}});
    cases.push_back({"comb", BenchBoards::comb().image(), {{0, 0}}});

    using Settings = const GameSettings &;
    const auto addPattern = [&cases](const char *name, Raster board) {
        std::vector<Point> seeds = everyRegion(board);
        cases.push_back({name, std::move(board), std::move(seeds)});
    };
    addPattern("makeLargeGrid",
               patternBoard([](Surface &board, Surface &strip, Settings settings,
                               RandomSequence &) { makeLargeGrid(board, strip, settings); }));
    addPattern("makeFineGrid",
               patternBoard([](Surface &board, Surface &strip, Settings settings,
                               RandomSequence &) { makeFineGrid(board, strip, settings); }));
    addPattern("makeDiagonalLines",
               patternBoard([](Surface &board, Surface &strip, Settings settings,
                               RandomSequence &) { makeDiagonalLines(board, strip, settings); }));
    addPattern("makeTriangles",
               patternBoard([](Surface &board, Surface &strip, Settings settings,
                               RandomSequence &) { makeTriangles(board, strip, settings); }));
    addPattern("makeRandomLines", patternBoard(makeRandomLines));
    addPattern("makeLineRemoval", patternBoard(makeLineRemoval));
    addPattern("placeOriginalPicture",
               patternBoard([](Surface &board, Surface &strip, Settings, RandomSequence &) {
                   placeOriginalPicture(board, strip, originalPicture());
               }));
    return cases;
}

} // namespace FillBoards
