#pragma once

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

// Every button that puts something new on the board, in one shape so that tests can run them
// all through the same table.
using PatternPress = void (*)(Surface &, Surface &, const GameSettings &, RandomSequence &);

namespace PatternPresses {

template <void (*Pattern)(Surface &, Surface &, const GameSettings &)>
void fixed(Surface &board, Surface &strip, const GameSettings &settings, RandomSequence &)
{
    Pattern(board, strip, settings);
}

inline void showOriginal(Surface &board, Surface &strip, const GameSettings &, RandomSequence &)
{
    placeOriginalPicture(board, strip, originalPicture());
}

constexpr PatternPress grid = &fixed<makeLargeGrid>;
constexpr PatternPress gridSmall = &fixed<makeFineGrid>;
constexpr PatternPress naname = &fixed<makeDiagonalLines>;
constexpr PatternPress triangle = &fixed<makeTriangles>;
constexpr PatternPress original = &showOriginal;
constexpr PatternPress random = &makeRandomLines;
constexpr PatternPress sennuki = &makeLineRemoval;

} // namespace PatternPresses

// A board and graph strip of the game's sizes, the settings with a given line width and the
// default rates, and a random sequence whose clock always gives the same seed.
struct BoardFixture
{
    static constexpr std::uint32_t ClockSeed = 20240601;

    explicit BoardFixture(int lineWidth = 1)
    {
        settings.LineWidth = static_cast<std::int16_t>(lineWidth);
        settings.Rate = {0.85f, 0.75f};
    }

    void press(PatternPress pattern) { pattern(board, strip, settings, random); }

    Surface board{640, 480};
    Surface strip{640, 11};
    GameSettings settings;
    RandomSequence random{[] { return ClockSeed; }};
};
