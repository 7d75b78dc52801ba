#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/patterns/OriginalPicture.h"
#include "core/tests/support/Regions.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string_view>

// The built-in picture as the core draws it from its rows of runs.

TEST_CASE("the built-in picture is black lines on white at the board's size")
{
    const Raster picture = originalPicture();
    CHECK(picture.size() == Size{640, 480});
    int otherPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            otherPixels +=
                picture.pixel(x, y) != Palette::Black && picture.pixel(x, y) != Palette::White;
    CHECK(otherPixels == 0);
}

TEST_CASE("the built-in picture's frame is closed along every edge")
{
    const struct
    {
        std::string_view name;
        Point start;
        Point step;
        int length;
    } rows[] = {
        {"top", {0, 0}, {1, 0}, 640},
        {"bottom", {0, 479}, {1, 0}, 640},
        {"left", {0, 0}, {0, 1}, 480},
        {"right", {639, 0}, {0, 1}, 480},
    };
    const Raster picture = originalPicture();
    for (const auto &row : rows) {
        CAPTURE(row.name);
        int gaps = 0;
        for (int i = 0; i < row.length; ++i)
            gaps += picture.pixel(row.start.x + i * row.step.x, row.start.y + i * row.step.y) !=
                    Palette::Black;
        CHECK(gaps == 0);
    }
}

TEST_CASE("the built-in picture's lines make about fifty regions of varied size")
{
    const RegionMap regions(originalPicture());
    CHECK(regions.specks() == 0);
    const std::vector<int> &sizes = regions.sizes();
    CHECK(sizes.size() >= 45);
    CHECK(sizes.size() <= 65);
    const auto [smallest, largest] = std::minmax_element(sizes.begin(), sizes.end());
    CHECK(*smallest >= 450);
    CHECK(*largest <= 15000);
    // Varied: not all alike, as a grid's would be.
    CHECK(*largest > 5 * *smallest);
}

TEST_CASE("placeOriginalPicture shows the picture alone")
{
    Surface board(640, 480);
    Surface strip(640, 11);
    board.line(0, 0, 639, 479, Palette::color(4));
    strip.filledBox(0, 0, 300, 10, Palette::color(9));

    placeOriginalPicture(board, strip, originalPicture());
    CHECK(board.image() == originalPicture());
    CHECK(strip.image() == Surface(640, 11).image());
}
