#include "core/board/Palette.h"
#include "core/tests/support/AsciiRaster.h"
#include "core/tests/support/PatternPresses.h"
#include "core/tests/support/Regions.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// The fixed patterns on real rasters: their regions, where their lines stand, and that every
// press starts from an empty board.

TEST_CASE("fixed patterns make their regions")
{
    // Regions measured to the lines' centres: the pixels under the lines make them a little
    // smaller, so each region must lie between 70 % of its area and the area itself.
    const struct
    {
        std::string_view name;
        PatternPress pattern;
        int largeCount;
        int largeArea;
        int smallCount;
        int smallArea;
    } rows[] = {
        {"makeLargeGrid", PatternPresses::grid, 48, 6400, 0, 0},
        {"makeFineGrid", PatternPresses::gridSmall, 192, 1600, 0, 0},
        {"makeDiagonalLines", PatternPresses::naname, 90, 3200, 12, 1600},
        {"makeTriangles", PatternPresses::triangle, 192, 1600, 0, 0},
    };
    for (const int width : {1, 2}) {
        for (const auto &row : rows) {
            CAPTURE(row.name);
            CAPTURE(width);
            BoardFixture fixture(width);
            fixture.press(row.pattern);
            const RegionMap regions(fixture.board.image());

            const auto near = [](int area) {
                return [area](int size) { return size > area * 7 / 10 && size <= area; };
            };
            const std::vector<int> sizes = regions.regionSizes();
            CHECK(sizes.size() == static_cast<std::size_t>(row.largeCount + row.smallCount));
            CHECK(std::count_if(sizes.begin(), sizes.end(), near(row.largeArea)) == row.largeCount);
            CHECK(std::count_if(sizes.begin(), sizes.end(), near(row.smallArea)) == row.smallCount);
        }
    }
}

TEST_CASE("grid lines stand at their places")
{
    // Columns and rows that are black over the whole board, and no others.
    const struct
    {
        std::string_view name;
        PatternPress pattern;
        int columnStep;
        int rowStep;
    } rows[] = {
        {"makeLargeGrid", PatternPresses::grid, 80, 80},
        {"makeFineGrid", PatternPresses::gridSmall, 40, 40},
        {"makeTriangles", PatternPresses::triangle, 80, 80},
        {"makeDiagonalLines", PatternPresses::naname, 0, 80},
    };
    for (const int width : {1, 2}) {
        for (const auto &row : rows) {
            CAPTURE(row.name);
            CAPTURE(width);
            BoardFixture fixture(width);
            fixture.press(row.pattern);
            const Raster &board = fixture.board.image();
            const auto isLine = [width](int position, int step) {
                return step > 0 && position >= step && position % step < width;
            };
            for (int x = 0; x < board.width(); ++x) {
                bool black = true;
                for (int y = 0; y < board.height() && black; ++y)
                    black = board.pixel(x, y) == Palette::Black;
                CAPTURE(x);
                CHECK(black == isLine(x, row.columnStep));
            }
            for (int y = 0; y < board.height(); ++y) {
                bool black = true;
                for (int x = 0; x < board.width() && black; ++x)
                    black = board.pixel(x, y) == Palette::Black;
                CAPTURE(y);
                CHECK(black == isLine(y, row.rowStep));
            }
        }
    }
}

TEST_CASE("slanted lines are the line width wide")
{
    // A row that crosses no horizontal line and no crossing of slanted lines.
    const struct
    {
        std::string_view name;
        PatternPress pattern;
        int row;
        int linesCrossed;
    } rows[] = {
        {"makeDiagonalLines", PatternPresses::naname, 40, 16},
        {"makeTriangles", PatternPresses::triangle, 20, 23},
    };
    for (const int width : {1, 2}) {
        for (const auto &row : rows) {
            CAPTURE(row.name);
            CAPTURE(width);
            BoardFixture fixture(width);
            fixture.press(row.pattern);
            std::vector<int> runs;
            int run = 0;
            for (int x = 0; x <= fixture.board.width(); ++x) {
                if (x < fixture.board.width() &&
                    fixture.board.image().pixel(x, row.row) == Palette::Black) {
                    ++run;
                } else if (run > 0) {
                    runs.push_back(run);
                    run = 0;
                }
            }
            CHECK(runs == std::vector<int>(static_cast<std::size_t>(row.linesCrossed), width));
        }
    }
}

TEST_CASE("step sizes round half to even")
{
    // 20 / 8 = 2.5 gives 2 and 21 / 6 = 3.5 gives 4. The lines run to the full width and
    // height, and those past the board are not drawn.
    const AsciiRaster::Rows expected = {
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "####################", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "####################",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "####################", "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "####################", "..#.#.#.#.#.#.#.....",
        "..#.#.#.#.#.#.#.....", "..#.#.#.#.#.#.#.....", "####################",
    };
    Surface board(20, 21);
    Surface strip(20, 11);
    GameSettings settings;
    settings.LineWidth = 1;
    makeLargeGrid(board, strip, settings);
    CHECK(AsciiRaster::toRows(board.image()) == expected);
}

TEST_CASE("a press leaves no trace of the board before")
{
    const struct
    {
        std::string_view name;
        PatternPress pattern;
    } presses[] = {
        {"makeLargeGrid", PatternPresses::grid},
        {"makeFineGrid", PatternPresses::gridSmall},
        {"makeDiagonalLines", PatternPresses::naname},
        {"makeTriangles", PatternPresses::triangle},
        {"makeRandomLines", PatternPresses::random},
        {"makeLineRemoval", PatternPresses::sennuki},
        {"placeOriginalPicture", PatternPresses::original},
    };
    const struct
    {
        std::string_view name;
        PatternPress pattern; // null: the pattern itself
    } befores[] = {
        {"twice", nullptr},
        {"after fine grid", PatternPresses::gridSmall},
        {"after picture", PatternPresses::original},
    };
    for (const auto &press : presses) {
        for (const auto &before : befores) {
            for (const int width : {1, 2}) {
                CAPTURE(press.name);
                CAPTURE(before.name);
                CAPTURE(width);
                BoardFixture fresh(width);
                fresh.press(press.pattern);

                // The board before: another pattern or picture with thick lines, painted, under a
                // graph.
                BoardFixture used(width);
                used.settings.LineWidth = static_cast<std::int16_t>(3 - width);
                used.press(before.pattern ? before.pattern : press.pattern);
                used.settings.LineWidth = static_cast<std::int16_t>(width);
                used.board.setFillStyle(Surface::FillStyle::Solid);
                used.board.setFillColor(Palette::color(12));
                used.board.floodFill(300, 210);
                used.strip.filledBox(0, 0, 400, 10, Palette::color(9));
                used.board.setPenWidth(7);
                used.random.restart(); // the random patterns start where the fresh one did

                used.press(press.pattern);
                CHECK(used.board.image() == fresh.board.image());
                CHECK(used.strip.image() == Surface(640, 11).image());
                if (press.pattern != PatternPresses::original)
                    CHECK(used.board.penWidth() == width);
            }
        }
    }
}
