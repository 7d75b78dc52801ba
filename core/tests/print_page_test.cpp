#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/print/ColourCopyPage.h"
#include "core/print/PageFit.h"
#include "core/tests/support/AsciiRaster.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

Surface surfaceOf(const Raster &picture)
{
    Surface surface(picture.width(), picture.height());
    surface.setPicture(picture);
    return surface;
}

void plotColumns(ColourCopyPage &page, int count)
{
    for (int column = 0; column < count; ++column)
        page.plotColumn();
}

int countNotWhite(const Raster &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != Palette::White;
    return count;
}

// The top left corner of a raster, `width` x `height`.
Raster corner(const Raster &image, int width, int height)
{
    Raster part(width, height);
    for (int y = 0; y < height; ++y)
        std::copy(image.row(y), image.row(y) + width, part.row(y));
    return part;
}

} // namespace

TEST_CASE("fitToPage fills the limiting side and keeps the aspect")
{
    const struct
    {
        std::string_view name;
        Rect page;
        Size source;
        Rect expected;
    } rows[] = {
        {"window on a portrait page fills the width",
         {0, 0, 1000, 1400},
         {731, 506},
         {0, 0, 1000, 692}},
        {"window on a wide page fills the height",
         {0, 0, 1400, 900},
         {731, 506},
         {0, 0, 1300, 900}},
        {"same aspect fills the page exactly", {0, 0, 1280, 960}, {640, 480}, {0, 0, 1280, 960}},
        {"larger source is scaled down", {0, 0, 100, 100}, {640, 480}, {0, 0, 100, 75}},
        {"printable area off the paper's corner keeps its place",
         {167, 167, 800, 600},
         {4, 3},
         {167, 167, 800, 600}},
        {"half a unit rounds up", {0, 0, 3, 10}, {2, 1}, {0, 0, 3, 2}},
        {"a hair-thin source keeps one unit", {0, 0, 100, 100}, {10000, 1}, {0, 0, 100, 1}},
        {"a hair-thin tall source keeps one unit", {0, 0, 100, 100}, {1, 10000}, {0, 0, 1, 100}},
        {"page-sized numbers do not overflow",
         {0, 0, 17200, 12150},
         {60000, 40000},
         {0, 0, 17200, 11467}},
        {"empty source gives nothing", {0, 0, 100, 100}, {0, 10}, {}},
        {"empty page gives nothing", {5, 5, 0, 100}, {10, 10}, {}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        const Rect fitted = fitToPage(row.page, row.source);
        CHECK(fitted.x == row.expected.x);
        CHECK(fitted.y == row.expected.y);
        CHECK(fitted.width == row.expected.width);
        CHECK(fitted.height == row.expected.height);
    }
}

// The page the copy must give for a full board is the board scaled to twice its size, nearest
// neighbour: every board pixel a 2 x 2 block.
TEST_CASE("every board pixel becomes one block on the page")
{
    Surface board(640, 480);
    for (int x = 80; x < 640; x += 80)
        board.line(x, 0, x, 479, Palette::Black);
    for (int y = 80; y < 480; y += 80)
        board.line(0, y, 639, y, Palette::Black);
    board.filledBox(1, 1, 79, 79, Palette::color(9));
    board.filledBox(561, 401, 639, 479, Palette::color(12));
    board.filledBox(241, 161, 319, 239, Palette::color(10));
    for (int i = 0; i < 640; i += 7)
        board.filledBox(i, (i * 13) % 480, i, (i * 13) % 480, Palette::color(i % 16));

    ColourCopyPage page(board);
    plotColumns(page, ColourCopyPage::Columns);

    REQUIRE(page.image().size() == Size{1280, 960});
    int misplotted = 0;
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x)
            misplotted += page.image().pixel(x, y) != board.image().pixel(x / 2, y / 2);
    CHECK(misplotted == 0);
}

TEST_CASE("cells read outside a small board stay white")
{
    const struct
    {
        std::string_view name;
        AsciiRaster::Rows board;
        AsciiRaster::Rows pageCorner;
    } rows[] = {
        {"two by two board",
         {"rg", "b#"},
         {"rrgg..", "rrgg..", "bb##..", "bb##..", "......", "......"}},
        {"one pixel", {"y"}, {"yy..", "yy..", "....", "...."}},
        {"one row", {"#r#"}, {"##rr##..", "##rr##..", "........", "........"}},
        {"one column", {"#", "r"}, {"##..", "##..", "rr..", "rr..", "....", "...."}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        const Raster boardImage = AsciiRaster::toRaster(row.board);
        const Surface surface = surfaceOf(boardImage);
        ColourCopyPage page(surface);
        plotColumns(page, ColourCopyPage::Columns);

        const Raster pageCorner =
            corner(page.image(), static_cast<int>(row.pageCorner.front().size()),
                   static_cast<int>(row.pageCorner.size()));
        CHECK(AsciiRaster::toRows(pageCorner) == row.pageCorner);
        CHECK(countNotWhite(page.image()) == 4 * countNotWhite(boardImage));
    }
}

// The last column and row of cells read outside the board; their white plots must fall off the
// page rather than cover its right and bottom edges.
TEST_CASE("a full board covers the page without a seam")
{
    Surface board(640, 480, Palette::color(12));
    ColourCopyPage page(board);
    plotColumns(page, ColourCopyPage::Columns);

    CHECK(page.image() == Raster(1280, 960, Palette::color(12)));
}

TEST_CASE("the page fills left to right one column at a time")
{
    const struct
    {
        std::string_view name;
        int columns;
        int lastX;
    } rows[] = {
        {"first column", 1, 0},
        {"half the page", 320, 638},
        {"last column inside the page", 640, 1278},
        {"column past the page's edge", 641, 1280},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        Surface board(640, 480, Palette::Black);
        ColourCopyPage page(board);
        plotColumns(page, row.columns - 1);
        CHECK(page.plotColumn() == row.lastX);
        CHECK(page.isComplete() == (row.columns == ColourCopyPage::Columns));

        const int plottedWidth = std::min(row.lastX + 2, 1280);
        CHECK(countNotWhite(page.image()) == plottedWidth * 960);
        CHECK(page.image().pixel(plottedWidth - 1, 959) == Palette::Black);
    }
}
