#include "core/board/FloodFill.h"
#include "core/board/LineRaster.h"
#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/tests/support/AsciiRaster.h"

#include <doctest/doctest.h>

#include <string>
#include <string_view>

using AsciiRaster::Rows;

namespace {

// The smallest rectangle holding every `symbol` of an ASCII raster; empty when there is none.
Rect boundsOf(const Rows &rows, char symbol)
{
    Rect bounds;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == symbol)
                bounds = bounds.united({static_cast<int>(x), static_cast<int>(y), 1, 1});
    return bounds;
}

} // namespace

TEST_CASE("flood fill paints the reachable region only")
{
    const struct
    {
        std::string_view name;
        Rows before;
        Point seed;
        Rows after;
        int painted;
    } rows[] = {
        {"closed box fills only inside",
         {".....", ".###.", ".#.#.", ".###.", "....."},
         {2, 2},
         {".....", ".###.", ".#r#.", ".###.", "....."},
         1},
        {"wall with a one-pixel gap leaks",
         {"#####", "#..##", "#...#", "#####"},
         {1, 1},
         {"#####", "#rr##", "#rrr#", "#####"},
         5},
        {"gap between two rooms lets the fill through",
         {"..#..", "..#..", ".....", "..#.."},
         {0, 0},
         {"rr#rr", "rr#rr", "rrrrr", "rr#rr"},
         17},
        {"seed on black paints nothing", {"...", ".#.", "..."}, {1, 1}, {"...", ".#.", "..."}, 0},
        {"seed outside paints nothing", {"...", "..."}, {3, 0}, {"...", "..."}, 0},
        {"seed above the raster paints nothing", {"...", "..."}, {0, -1}, {"...", "..."}, 0},
        {"other colours are painted over",
         {"gg#..", "bg#..", "yy#.."},
         {0, 0},
         {"rr#..", "rr#..", "rr#.."},
         6},
        {"a stripe already in the fill colour does not stop the fill",
         {"..r..", "..r..", "..r..", "#####", "....."},
         {0, 0},
         {"rrrrr", "rrrrr", "rrrrr", "#####", "....."},
         15},
        {"region already in the fill colour is repainted",
         {"rr#", "rr#", "###"},
         {1, 1},
         {"rr#", "rr#", "###"},
         4},
        {"corridor winding back and forth",
         {".#...", ".#.#.", ".#.#.", "...#.", "####."},
         {0, 0},
         {"r#rrr", "r#r#r", "r#r#r", "rrr#r", "####r"},
         15},
        {"diagonal neighbours are not connected", {".#", "#."}, {0, 0}, {"r#", "#."}, 1},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Raster image = AsciiRaster::toRaster(row.before);
        const FillResult result = floodFill(image, row.seed, 0xffff0000);
        CHECK(result.painted == row.painted);
        CHECK(AsciiRaster::toRows(image) == row.after);
        // The screen repaints this rectangle alone. In every row the painted region is exactly
        // the red of `after`, so the rectangle must be the bounds of that red: no pixel outside.
        CHECK(result.bounds == boundsOf(row.after, 'r'));
    }
}

TEST_CASE("the whole empty board is one region")
{
    Surface board(640, 480);
    board.setFillStyle(Surface::FillStyle::Solid);
    board.setFillColor(Palette::color(9));
    const FillResult result = board.floodFill(320, 240);
    CHECK(result.painted == 640 * 480);
    CHECK(result.bounds == Rect{0, 0, 640, 480});
    CHECK(board.colorValueAt(0, 0) == Palette::colorValue(Palette::color(9)));
    CHECK(board.colorValueAt(639, 479) == Palette::colorValue(Palette::color(9)));
}

// A line from the top-left corner to the far edge must split the square in two.
TEST_CASE("diagonal walls hold against the fill")
{
    const struct
    {
        std::string_view name;
        Point end;
        int width;
    } rows[] = {
        {"slope 1, thin", {39, 39}, 1},    {"slope 2, thin", {19, 39}, 1},
        {"slope 1/2, thin", {39, 19}, 1},  {"slope 1, thick", {39, 39}, 2},
        {"slope 3/7, thick", {39, 17}, 2},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Surface surface(40, 40);
        surface.setPenWidth(row.width);
        surface.line(0, 0, row.end.x, row.end.y, Palette::Black);
        if (row.end.x < 39)
            surface.line(row.end.x, row.end.y, row.end.x, 39, Palette::Black);
        else if (row.end.y < 39)
            surface.line(row.end.x, row.end.y, 39, row.end.y, Palette::Black);
        surface.setFillStyle(Surface::FillStyle::Solid);
        surface.setFillColor(Palette::color(12));
        surface.floodFill(39, 0);
        CHECK(surface.colorValueAt(0, 39) == Palette::colorValue(Palette::White));
    }
}

TEST_CASE("a line covers its pixels")
{
    const struct
    {
        std::string_view name;
        Point from;
        Point to;
        int width;
        Rows expected;
    } rows[] = {
        {"horizontal, end points included", {1, 1}, {4, 1}, 1, {"......", ".####.", "......"}},
        {"vertical, drawn backwards", {2, 3}, {2, 0}, 1, {"..#.", "..#.", "..#.", "..#."}},
        {"single point", {1, 1}, {1, 1}, 1, {"...", ".#.", "..."}},
        {"diagonal", {0, 0}, {3, 3}, 1, {"#...", ".#..", "..#.", "...#"}},
        {"slope 2/5", {0, 0}, {5, 2}, 1, {"##....", "..##..", "....##"}},
        {"thick horizontal grows downwards", {0, 1}, {3, 1}, 2, {"....", "####", "####", "...."}},
        {"thick vertical grows to the right", {1, 0}, {1, 2}, 2, {".##.", ".##.", ".##."}},
        {"thick diagonal is 4-connected", {0, 0}, {2, 2}, 2, {"#...", "##..", ".##.", "..#."}},
        {"end points outside are clipped", {-3, 1}, {9, 1}, 1, {"....", "####", "...."}},
        {"steep line starting outside",
         {-1, -5},
         {2, 4},
         1,
         {".#.", ".#.", ".#.", "..#", "..#", "..."}},
        {"thick line at the last row loses its extra row",
         {0, 2},
         {2, 2},
         2,
         {"...", "...", "###"}},
        {"thick line at the last column loses its extra column",
         {2, 0},
         {2, 2},
         2,
         {"..#", "..#", "..#"}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Raster image(static_cast<int>(row.expected.front().size()),
                     static_cast<int>(row.expected.size()), Palette::White);
        LineRaster::line(image, row.from.x, row.from.y, row.to.x, row.to.y, Palette::Black,
                         row.width);
        CHECK(AsciiRaster::toRows(image) == row.expected);
    }
}

TEST_CASE("a filled box is clipped to the surface")
{
    Surface strip(6, 3);
    strip.filledBox(4, -2, 9, 1, 0xff0000ff);
    CHECK(AsciiRaster::toRows(strip.image()) == Rows{"....bb", "....bb", "......"});
    // Boxes wholly beside the surface draw nothing (and write nothing out of bounds).
    strip.filledBox(8, 0, 10, 2, 0xffff0000);
    strip.filledBox(-5, 0, -1, 2, 0xffff0000);
    strip.filledBox(0, 4, 5, 6, 0xffff0000);
    strip.filledBox(0, -3, 5, -1, 0xffff0000);
    CHECK(AsciiRaster::toRows(strip.image()) == Rows{"....bb", "....bb", "......"});
}

TEST_CASE("Point gives the colour value or -1")
{
    const struct
    {
        std::string_view name;
        Point at;
        std::int32_t value;
    } rows[] = {
        {"red has the low byte", {0, 0}, 0x0000ff},
        {"blue has the high byte", {1, 0}, 0xff0000},
        {"white", {2, 0}, 0xffffff},
        {"black", {0, 1}, 0},
        {"left of the surface", {-1, 0}, -1},
        {"right of the surface", {3, 0}, -1},
        {"above the surface", {0, -1}, -1},
        {"below the surface", {0, 2}, -1},
    };
    Surface surface(3, 2);
    surface.setPicture(AsciiRaster::toRaster({"rb.", "#.."}));
    for (const auto &row : rows) {
        CAPTURE(row.name);
        CHECK(surface.colorValueAt(row.at.x, row.at.y) == row.value);
    }
}

TEST_CASE("a picture replaces everything drawn before")
{
    Surface board(4, 3);
    board.line(0, 0, 3, 2, Palette::Black);
    board.setPicture(AsciiRaster::toRaster({"#.", "r."}));
    CHECK(AsciiRaster::toRows(board.image()) == Rows{"#...", "r...", "...."});
    board.clearPicture();
    CHECK(AsciiRaster::toRows(board.image()) == Rows{"....", "....", "...."});

    // A picture larger than the surface is cut; its pixels are taken as opaque whatever their
    // alpha (a transparent picture is composed over white before it gets here).
    Raster large = AsciiRaster::toRaster({"gg#bb", "gg#bb", "yyyyy", "yyyyy"});
    large.setPixel(0, 0, 0x00ff0000);
    board.setPicture(large);
    CHECK(AsciiRaster::toRows(board.image()) == Rows{"rg#b", "gg#b", "yyyy"});
}

TEST_CASE("a transparent brush paints nothing")
{
    Surface board(3, 3);
    board.setFillColor(Palette::color(12));
    board.setFillStyle(Surface::FillStyle::Transparent);
    CHECK(board.floodFill(1, 1).painted == 0);
    CHECK(board.colorValueAt(1, 1) == Palette::colorValue(Palette::White));
}

TEST_CASE("the palette holds the sixteen basic colours")
{
    const Rgb expected[Palette::Count] = {
        rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255),
    };
    for (int index = 0; index < Palette::Count; ++index) {
        CAPTURE(index);
        CHECK(Palette::color(index) == expected[index]);
    }
    CHECK(Palette::colorValue(Palette::color(12)) == 0x0000ff);
    CHECK(Palette::colorValue(Palette::color(9)) == 0xff0000);
}
