#include "core/board/ColorStep.h"
#include "core/board/Measurement.h"
#include "core/board/Palette.h"
#include "core/board/SquareCount.h"
#include "core/board/Surface.h"
#include "core/tests/support/PatternPresses.h"

#include <doctest/doctest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

const Rgb LeftColor = Palette::color(9);
const Rgb RightColor = Palette::color(12);
constexpr Rgb StripBack = Palette::LightGrey;

// The large 8 x 6 grid of 80-pixel squares, one-pixel lines at x, y = 80, 160, ...
Surface largeGrid()
{
    Surface board(640, 480);
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 480, Palette::Black);
    for (int y = 80; y < 480; y += 80)
        board.line(0, y, 640, y, Palette::Black);
    board.setFillStyle(Surface::FillStyle::Solid);
    return board;
}

void paint(Surface &board, Point at, Rgb color)
{
    board.setFillColor(color);
    board.floodFill(at.x, at.y);
}

// Columns of the strip's middle row, as characters: L left colour, R right colour, - background,
// k black, w white.
std::string stripRow(const Surface &strip)
{
    std::string row;
    for (int x = 0; x < strip.width(); ++x) {
        const Rgb color = strip.image().pixel(x, strip.height() / 2);
        row += color == LeftColor        ? 'L'
               : color == RightColor     ? 'R'
               : color == StripBack      ? '-'
               : color == Palette::Black ? 'k'
               : color == Palette::White ? 'w'
                                         : '?';
    }
    return row;
}

} // namespace

TEST_CASE("colour step sequences")
{
    const struct
    {
        std::string_view name;
        int start;
        int other;
        std::vector<int> steps;
    } rows[] = {
        {"left from the default", 9, 12, {10, 11, 13, 14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"right from the default", 12, 9, {13, 14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}},
        {"14 against 15 skips and wraps", 14, 15, {1, 2}},
        {"15 against 1: skip before wrap", 15, 1, {1, 2}},
        {"black as a stored start", 0, 1, {2, 3}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        auto color = static_cast<std::int16_t>(row.start);
        for (const int expected : row.steps) {
            color = colorStep(color, static_cast<std::int16_t>(row.other));
            CHECK(color == expected);
        }
    }
}

TEST_CASE("territory counts of known boards")
{
    const struct
    {
        std::string_view name;
        void (*draw)(Surface &);
        Rgb leftSwatch;
        Rgb rightSwatch;
        TerritoryCount expected;
    } rows[] = {
        {"nothing painted", [](Surface &) {}, LeftColor, RightColor, {34240, 0, 0}},
        {"all in the left colour",
         [](Surface &board) { board.filledBox(0, 0, 639, 479, LeftColor); },
         LeftColor,
         RightColor,
         {0, 34240, 0}},
        {"same colour on both sides counts twice",
         [](Surface &board) { board.filledBox(0, 0, 639, 479, LeftColor); },
         LeftColor,
         LeftColor,
         {0, 34240, 34240}},
        {"a colour no swatch shows is unpainted",
         [](Surface &board) { board.filledBox(0, 0, 639, 479, Palette::color(2)); },
         LeftColor,
         RightColor,
         {34240, 0, 0}},
        // A closed 2 x 2 room between the lattice points (0,0), (3,0), (0,3), (3,3), painted
        // left: its walls stand on four samples and its inside on none.
        {"a region narrower than the lattice is missed",
         [](Surface &board) {
             board.line(0, 0, 3, 0, Palette::Black);
             board.line(0, 3, 3, 3, Palette::Black);
             board.line(0, 0, 0, 3, Palette::Black);
             board.line(3, 0, 3, 3, Palette::Black);
             board.setFillStyle(Surface::FillStyle::Solid);
             paint(board, {1, 1}, LeftColor);
         },
         LeftColor,
         RightColor,
         {34240 - 4, 0, 0}},
        {"all black counts nothing",
         [](Surface &board) { board.filledBox(0, 0, 639, 479, Palette::Black); },
         LeftColor,
         RightColor,
         {0, 0, 0}},
        // The colour step can leave a side on black (a stored index 0): then the lines are its
        // own. Columns 0 to 318 of the lattice black, 321 to 639 in the right colour: 107 each.
        {"a side painting black counts the black samples once",
         [](Surface &board) {
             board.filledBox(0, 0, 319, 479, Palette::Black);
             board.filledBox(320, 0, 639, 479, RightColor);
         },
         Palette::Black,
         RightColor,
         {0, 17120, 17120}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Surface board(640, 480);
        row.draw(board);
        const TerritoryCount count =
            sampleTerritory(board.image(), row.leftSwatch, row.rightSwatch);
        CHECK(count.unpainted == row.expected.unpainted);
        CHECK(count.left == row.expected.left);
        CHECK(count.right == row.expected.right);
    }
}

// 12 of the 48 large squares painted left and 24 right: the counts are those of the lattice
// points inside those squares, worked out from the geometry rather than read from pixels.
TEST_CASE("painted squares match the lattice count")
{
    Surface board = largeGrid();
    auto sideOf = [](int column, int row) {
        const int square = row * 8 + column;
        return square < 12 ? 1 : square < 36 ? 2 : 0;
    };
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 8; ++column)
            if (const int side = sideOf(column, row))
                paint(board, {column * 80 + 40, row * 80 + 40}, side == 1 ? LeftColor : RightColor);

    TerritoryCount expected;
    for (int x = 0; x < 640; x += 3) {
        for (int y = 0; y < 480; y += 3) {
            const bool onLine = (x % 80 == 0 && x > 0) || (y % 80 == 0 && y > 0);
            if (onLine)
                continue;
            const int side = sideOf(x / 80, y / 80);
            (side == 1 ? expected.left : side == 2 ? expected.right : expected.unpainted)++;
        }
    }
    const TerritoryCount count = sampleTerritory(board.image(), LeftColor, RightColor);
    CHECK(count.left == expected.left);
    CHECK(count.right == expected.right);
    CHECK(count.unpainted == expected.unpainted);
    // Changing a swatch after painting moves that side's area into the unpainted share.
    const TerritoryCount afterChange =
        sampleTerritory(board.image(), Palette::color(10), RightColor);
    CHECK(afterChange.left == 0);
    CHECK(afterChange.unpainted == expected.unpainted + expected.left);
}

TEST_CASE("the bars cover the rounded shares")
{
    const struct
    {
        std::string_view name;
        TerritoryCount count;
        int leftEnd;    // first column not in the left bar
        int rightStart; // first column of the right bar
    } rows[] = {
        {"nothing painted: no bars", {100, 0, 0}, 0, 640},
        {"all left fills the strip", {0, 50, 0}, 640, 640},
        {"all right fills the strip", {0, 0, 50}, 0, 0},
        {"a quarter and a half", {1, 1, 2}, 160, 320},
        {"equal counts give equal bars", {1, 3, 3}, 274, 366},
        {"half a column rounds to even", {1277, 1, 2}, 0, 639},
        {"nothing counted at all", {0, 0, 0}, 0, 640},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Surface strip(640, 11, StripBack);
        drawTerritoryGraph(strip, row.count, LeftColor, RightColor);

        std::string expected;
        for (int x = 0; x < 640; ++x)
            expected += x == 320              ? 'k'
                        : x == 321            ? 'w'
                        : x >= row.rightStart ? 'R'
                        : x < row.leftEnd     ? 'L'
                                              : '-';
        CHECK(stripRow(strip) == expected);
    }
}

TEST_CASE("the graph spans the whole strip height")
{
    Surface strip(640, 11, StripBack);
    strip.filledBox(0, 0, 639, 10, Palette::Grey); // an earlier progress bar
    drawTerritoryGraph(strip, {0, 1, 1}, LeftColor, RightColor);
    for (int y = 0; y < 11; ++y) {
        CAPTURE(y);
        CHECK(strip.image().pixel(0, y) == LeftColor);
        CHECK(strip.image().pixel(639, y) == RightColor);
        CHECK(strip.image().pixel(320, y) == Palette::Black);
        CHECK(strip.image().pixel(321, y) == Palette::White);
    }
}

namespace {

using Seeds = std::vector<Point>;

// The centres of the large grid's 48 squares but the first, which the right side holds.
Seeds allLargeSquaresButTheFirst()
{
    Seeds seeds;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 8; ++column)
            if (row + column > 0)
                seeds.push_back({column * 80 + 40, row * 80 + 40});
    return seeds;
}

struct Wall
{
    Point from;
    Point to;
};

} // namespace

// Areas and regions of boards drawn by the pattern buttons themselves and painted by the fill.
TEST_CASE("unit squares and regions of real boards")
{
    const struct
    {
        std::string_view name;
        PatternPress pattern;
        std::vector<Wall> extraWalls; // drawn in black after the pattern
        Seeds leftSeeds;
        Seeds rightSeeds;
        SquareCount::Side left;
        SquareCount::Side right;
        std::string_view leftText;
    } rows[] = {
        {"fine grid: 3 cells left, 5 right",
         PatternPresses::gridSmall,
         {},
         {{20, 20}, {60, 20}, {100, 20}},
         {{20, 60}, {60, 60}, {100, 60}, {140, 60}, {620, 460}},
         {6, 3},
         {10, 5},
         "3こ分"},
        {"large grid: one cell is 4 squares",
         PatternPresses::grid,
         {},
         {{40, 40}},
         {},
         {8, 1},
         {0, 0},
         "4こ分"},
        {"triangles: two of one grid square",
         PatternPresses::triangle,
         {},
         {{40, 10}, {10, 40}},
         {{600, 460}},
         {4, 2},
         {2, 1},
         "2こ分"},
        {"diagonal lines: a whole triangle, and one at the edge",
         PatternPresses::naname,
         {},
         {{120, 20}},
         {{5, 70}},
         {4, 1},
         {2, 1},
         "2こ分"},
        {"half a unit square",
         PatternPresses::gridSmall,
         {{{20, 0}, {20, 40}}},
         {{10, 20}},
         {},
         {1, 1},
         {0, 0},
         "半分"},
        {"three squares and a half",
         PatternPresses::gridSmall,
         {{{20, 0}, {20, 40}}},
         {{10, 20}, {60, 20}, {100, 20}, {140, 20}},
         {},
         {7, 4},
         {0, 0},
         "3こ分と半分"},
        {"painted all over: 192 less the other side",
         PatternPresses::grid,
         {},
         allLargeSquaresButTheFirst(),
         {{40, 40}},
         {376, 47},
         {8, 1},
         "188こ分"},
        {"nothing painted", PatternPresses::triangle, {}, {}, {}, {0, 0}, {0, 0}, "0こ"},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        BoardFixture fixture;
        fixture.press(row.pattern);
        Surface &board = fixture.board;
        for (const Wall &wall : row.extraWalls)
            board.line(wall.from.x, wall.from.y, wall.to.x, wall.to.y, Palette::Black);
        board.setFillStyle(Surface::FillStyle::Solid);
        for (const Point seed : row.leftSeeds)
            paint(board, seed, LeftColor);
        for (const Point seed : row.rightSeeds)
            paint(board, seed, RightColor);

        const SquareCount::Result result = SquareCount::count(board.image(), LeftColor, RightColor);
        CHECK(result.left.halves == row.left.halves);
        CHECK(result.left.regions == row.left.regions);
        CHECK(result.right.halves == row.right.halves);
        CHECK(result.right.regions == row.right.regions);
        CHECK(SquareCount::areaText(result.left.halves) == row.leftText);
    }
}
