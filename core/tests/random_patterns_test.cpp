#include "core/board/Palette.h"
#include "core/tests/support/PatternPresses.h"
#include "core/tests/support/Regions.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// The two random patterns: how they use the one random sequence, and what they draw with it.

namespace {

constexpr std::uint32_t ClockSeed = BoardFixture::ClockSeed;
constexpr int Cell = 40;

bool isBlack(const Surface &board, int x, int y)
{
    return board.image().pixel(x, y) == Palette::Black;
}

// Black runs along a row or a column of the board.
int blackRuns(const Surface &board, Point start, Point step, int length)
{
    int runs = 0;
    bool inRun = false;
    for (int i = 0; i < length; ++i) {
        const bool black = isBlack(board, start.x + i * step.x, start.y + i * step.y);
        runs += black && !inRun;
        inRun = black;
    }
    return runs;
}

// Line removal's walls, read at their middles: horizontal wall (c, r) lies above cell row r,
// vertical wall (c, r) left of cell column c.
bool horizontalWall(const Surface &board, int c, int r)
{
    return isBlack(board, c * Cell + Cell / 2, r * Cell);
}

bool verticalWall(const Surface &board, int c, int r)
{
    return isBlack(board, c * Cell, r * Cell + Cell / 2);
}

} // namespace

TEST_CASE("a press takes its share of the sequence")
{
    const struct
    {
        std::string_view name;
        PatternPress pattern;
        bool restarts;
        int numbers;
    } rows[] = {
        {"makeRandomLines continues, 18", PatternPresses::random, false, 18},
        {"makeLineRemoval restarts, 356", PatternPresses::sennuki, true, 356},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        BoardFixture fixture;
        fixture.random.seed(99); // somewhere other than where a restart would go
        RandomSequence expected([] { return ClockSeed; });
        expected.seed(99);

        fixture.press(row.pattern);
        if (row.restarts)
            expected.restart();
        for (int n = 0; n < row.numbers; ++n)
            expected.next();
        for (int n = 0; n < 4; ++n)
            CHECK(fixture.random.next() == expected.next());
    }
}

TEST_CASE("two presses in a row differ")
{
    const struct
    {
        std::string_view name;
        PatternPress pattern;
    } rows[] = {
        {"makeRandomLines", PatternPresses::random},
        {"makeLineRemoval", PatternPresses::sennuki},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        BoardFixture fixture;
        fixture.random = RandomSequence(); // the real clock, as in the game
        fixture.press(row.pattern);
        const Raster first = fixture.board.image();
        // At once: in a browser the clock may not have moved on since the first press.
        fixture.press(row.pattern);
        CHECK(fixture.board.image() != first);
    }
}

TEST_CASE("random lines run from edge to edge")
{
    for (const int lineWidth : {1, 2}) {
        CAPTURE(lineWidth);
        // The ends are worked out from a copy of the sequence; seeds whose ends lie too close to
        // each other or to a corner to be told apart on the raster are passed over.
        int seedsChecked = 0;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            RandomSequence copy([] { return ClockSeed; });
            copy.seed(seed);
            const auto ends = [&copy](int count, int span) {
                std::vector<int> first; // each line's first end is drawn before its second
                std::vector<int> second;
                for (int n = 0; n < count; ++n) {
                    first.push_back(
                        static_cast<int>(std::nearbyint(static_cast<double>(copy.next()) * span)));
                    second.push_back(
                        static_cast<int>(std::nearbyint(static_cast<double>(copy.next()) * span)));
                }
                return std::pair(first, second);
            };
            const auto [top, bottom] = ends(5, 640);
            const auto [left, right] = ends(4, 480);
            const auto apart = [](std::vector<int> points, int span) {
                std::sort(points.begin(), points.end());
                bool clear = points.front() >= 8 && points.back() <= span - 8;
                for (std::size_t i = 1; i < points.size(); ++i)
                    clear = clear && points[i] - points[i - 1] >= 8;
                return clear;
            };
            if (!apart(top, 640) || !apart(bottom, 640) || !apart(left, 480) || !apart(right, 480))
                continue;

            CAPTURE(seed);
            BoardFixture fixture(lineWidth);
            fixture.random.seed(seed);
            fixture.press(PatternPresses::random);
            const Surface &board = fixture.board;
            CHECK(blackRuns(board, {0, 0}, {1, 0}, 640) == 5);
            CHECK(blackRuns(board, {0, 479}, {1, 0}, 640) == 5);
            CHECK(blackRuns(board, {0, 0}, {0, 1}, 480) == 4);
            CHECK(blackRuns(board, {639, 0}, {0, 1}, 480) == 4);
            for (const int x : top)
                CHECK(isBlack(board, x, 0));
            for (const int y : left)
                CHECK(isBlack(board, 0, y));
            ++seedsChecked;
        }
        CHECK_MESSAGE(seedsChecked >= 10, "too few seeds with ends far enough apart");
    }
}

TEST_CASE("line removal at extreme rates")
{
    const struct
    {
        std::string_view name;
        float horizontalRate;
        float verticalRate;
        std::size_t regions;
        bool isFineGrid;
    } rows[] = {
        {"both 1", 1.0f, 1.0f, 192, true},
        {"both above 1", 1.5f, 7.0f, 192, true},
        {"both 0", 0.0f, 0.0f, 1, false},
        {"both below 0", -1.0f, -0.5f, 1, false},
        {"horizontal only: stripes", 1.0f, 0.0f, 12, false},
        {"vertical only: columns", 0.0f, 1.0f, 16, false},
    };
    for (const int width : {1, 2}) {
        BoardFixture fineGrid(width);
        fineGrid.press(PatternPresses::gridSmall);
        for (const auto &row : rows) {
            CAPTURE(row.name);
            CAPTURE(width);
            BoardFixture fixture(width);
            fixture.settings.Rate = {row.horizontalRate, row.verticalRate};
            fixture.press(PatternPresses::sennuki);
            CHECK(RegionMap(fixture.board.image()).sizes().size() == row.regions);
            CHECK((fixture.board.image() == fineGrid.board.image()) == row.isFineGrid);
        }
    }
}

TEST_CASE("line removal keeps a wall only below its rate")
{
    // The first number after the restart decides the wall over column 0 under row 0.
    const struct
    {
        std::string_view name;
        int rateStep;
        bool drawn;
    } rows[] = {
        {"rate one float below the number", -1, false},
        {"rate equal to the number", 0, false},
        {"rate one float above the number", 1, true},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        RandomSequence copy([] { return ClockSeed; });
        float rate = copy.next();
        if (row.rateStep != 0)
            rate = std::nextafter(rate, row.rateStep > 0 ? 2.0f : -1.0f);

        BoardFixture fixture;
        fixture.settings.Rate = {rate, 0.0f};
        fixture.press(PatternPresses::sennuki);
        CHECK(horizontalWall(fixture.board, 0, 1) == row.drawn);
    }
}

TEST_CASE("line removal's regions are whole cells")
{
    for (const int lineWidth : {1, 2}) {
        for (const std::uint32_t clockSeed : {1u, 2u, 3u}) {
            for (const float rate : {0.5f, 0.75f}) {
                CAPTURE(lineWidth);
                CAPTURE(clockSeed);
                CAPTURE(rate);
                BoardFixture fixture(lineWidth);
                fixture.random = RandomSequence([clockSeed] { return clockSeed; });
                fixture.settings.Rate = {rate, rate};
                fixture.press(PatternPresses::sennuki);
                const RegionMap regions(fixture.board.image());

                CHECK(regions.specks() == 0);
                int strayPixels = 0;
                for (int r = 0; r < 12; ++r) {
                    for (int c = 0; c < 16; ++c) {
                        const int cellLabel =
                            regions.label({c * Cell + lineWidth, r * Cell + lineWidth});
                        CHECK(cellLabel >= 0);
                        for (int y = r * Cell + lineWidth; y < (r + 1) * Cell; ++y)
                            for (int x = c * Cell + lineWidth; x < (c + 1) * Cell; ++x)
                                strayPixels += regions.label({x, y}) != cellLabel;
                    }
                }
                CHECK(strayPixels == 0);
            }
        }
    }
}

TEST_CASE("line removal keeps about its rates of walls")
{
    // With the default rates 0.85 and 0.75 a press keeps on average 149.6 of the 176
    // horizontal and 135 of the 180 vertical walls; over 200 presses the averages' spread is
    // below half a wall.
    BoardFixture fixture;
    std::uint32_t tick = 0;
    fixture.random = RandomSequence([&tick] { return ++tick; });
    constexpr int presses = 200;
    int horizontal = 0;
    int vertical = 0;
    int repeats = 0;
    Raster previous;
    for (int press = 0; press < presses; ++press) {
        fixture.press(PatternPresses::sennuki);
        for (int c = 0; c < 16; ++c)
            for (int r = 1; r < 12; ++r)
                horizontal += horizontalWall(fixture.board, c, r);
        for (int r = 0; r < 12; ++r)
            for (int c = 1; c < 16; ++c)
                vertical += verticalWall(fixture.board, c, r);
        repeats += fixture.board.image() == previous;
        previous = fixture.board.image();
    }
    CHECK(repeats == 0);
    const double horizontalMean = double(horizontal) / presses;
    const double verticalMean = double(vertical) / presses;
    CHECK(horizontalMean > 146);
    CHECK(horizontalMean < 153);
    CHECK(verticalMean > 131);
    CHECK(verticalMean < 139);
}
