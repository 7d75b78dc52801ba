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

#include <benchmark/benchmark.h>

#include <cstdint>

// One press of each pattern button on the 640 x 480 board, thin and thick lines.
namespace {

struct PatternBoard
{
    explicit PatternBoard(const benchmark::State &state)
    {
        settings.LineWidth = static_cast<std::int16_t>(state.range(0));
        settings.Rate = {0.85f, 0.75f};
    }

    Surface board{640, 480};
    Surface strip{640, 11};
    GameSettings settings;
    RandomSequence random{[] { return std::uint32_t{1}; }};
};

template <void (*Pattern)(Surface &, Surface &, const GameSettings &)>
void fixedPattern(benchmark::State &state)
{
    PatternBoard target(state);
    for (auto _ : state) {
        Pattern(target.board, target.strip, target.settings);
        benchmark::DoNotOptimize(target.board.image().bits());
    }
}

template <void (*Pattern)(Surface &, Surface &, const GameSettings &, RandomSequence &)>
void randomPattern(benchmark::State &state)
{
    PatternBoard target(state);
    for (auto _ : state) {
        Pattern(target.board, target.strip, target.settings, target.random);
        benchmark::DoNotOptimize(target.board.image().bits());
    }
}

void originalImage(benchmark::State &state)
{
    PatternBoard target(state);
    const Raster picture = originalPicture();
    for (auto _ : state) {
        placeOriginalPicture(target.board, target.strip, picture);
        benchmark::DoNotOptimize(target.board.image().bits());
    }
}

} // namespace

BENCHMARK(fixedPattern<makeLargeGrid>)
    ->Name("makeLargeGrid")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fixedPattern<makeFineGrid>)
    ->Name("makeFineGrid")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fixedPattern<makeDiagonalLines>)
    ->Name("makeDiagonalLines")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fixedPattern<makeTriangles>)
    ->Name("makeTriangles")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(randomPattern<makeRandomLines>)
    ->Name("makeRandomLines")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(randomPattern<makeLineRemoval>)
    ->Name("makeLineRemoval")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(originalImage)->Name("placeOriginalPicture")->Arg(1)->Unit(benchmark::kMicrosecond);
