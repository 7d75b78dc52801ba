#include "core/board/Measurement.h"
#include "core/board/SquareCount.h"
#include "core/session/GameSession.h"

#include <doctest/doctest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Boards that every build of the core must draw, fill and measure to the same pixel and the same
// figure: the native builds and the WebAssembly one compare against the same constants. A constant
// changes only with a deliberate change to what the children see, and then for every build.

namespace {

constexpr std::uint32_t ClockSeed = 20240601;

// FNV-1a, 64 bits, over the width and the height and then every row's pixels from left to right,
// each as a 32-bit word in little-endian byte order, whatever the machine's order.
std::uint64_t pixelHash(const Raster &raster)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto word = [&hash](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (value >> shift) & 0xffU;
            hash *= 0x100000001b3ULL;
        }
    };
    word(static_cast<std::uint32_t>(raster.width()));
    word(static_cast<std::uint32_t>(raster.height()));
    for (int y = 0; y < raster.height(); ++y) {
        const Rgb *row = raster.row(y);
        for (int x = 0; x < raster.width(); ++x)
            word(row[x]);
    }
    return hash;
}

struct Press
{
    Side side;
    double x;
    double y;
};

struct Figures
{
    std::uint64_t board = 0;
    std::uint64_t strip = 0; // after the check
    TerritoryCount territory;
    SquareCount::Result squares;
};

// In the table's own notation, so that a failure shows the row as it should be written.
std::string text(const Figures &figures)
{
    char buffer[200];
    std::snprintf(buffer, sizeof buffer,
                  "0x%016" PRIx64 ", 0x%016" PRIx64 ", {%d, %d, %d}, {{%d, %d}, {%d, %d}}",
                  figures.board, figures.strip, figures.territory.unpainted, figures.territory.left,
                  figures.territory.right, figures.squares.left.halves,
                  figures.squares.left.regions, figures.squares.right.halves,
                  figures.squares.right.regions);
    return buffer;
}

GameSettings settingsFor(int lineWidth)
{
    GameSettings settings;
    settings.CanSearchButton = settings.CanSelectButton = true;
    settings.CanColorChange = settings.CanOpenFile = true;
    settings.ShowSquares = true;
    settings.PaintColor = {0, 9, 12};
    settings.Rate = {0.85f, 0.75f};
    settings.LineWidth = static_cast<std::int16_t>(lineWidth);
    settings.Zoom = 100;
    return settings;
}

} // namespace

TEST_CASE("boards, fills and measurements are the same in every build")
{
    const struct
    {
        std::string_view name;
        std::optional<Pattern> pattern; // none: the built-in picture
        int lineWidth;
        std::vector<Press> presses;
        Figures expected;
    } rows[] = {
        {"random lines, thin",
         Pattern::RandomLines,
         1,
         {},
         {0x85526f8552d576fd, 0x3dd95a5356e67ad5, {33694, 0, 0}, {{0, 0}, {0, 0}}}},
        {"random lines, thick",
         Pattern::RandomLines,
         2,
         {},
         {0x9c4307bb60c45a1d, 0x3dd95a5356e67ad5, {33159, 0, 0}, {{0, 0}, {0, 0}}}},
        {"large grid, thin",
         Pattern::LargeGrid,
         1,
         {},
         {0x138bdb1eda850c9d, 0x3dd95a5356e67ad5, {33708, 0, 0}, {{0, 0}, {0, 0}}}},
        {"large grid, thick",
         Pattern::LargeGrid,
         2,
         {},
         {0x42f63ef60053fa74, 0x3dd95a5356e67ad5, {32813, 0, 0}, {{0, 0}, {0, 0}}}},
        {"fine grid, thin",
         Pattern::FineGrid,
         1,
         {},
         {0xc8d819e3145e569d, 0x3dd95a5356e67ad5, {32813, 0, 0}, {{0, 0}, {0, 0}}}},
        {"fine grid, thick",
         Pattern::FineGrid,
         2,
         {},
         {0x5dc6c9cd5d9d0194, 0x3dd95a5356e67ad5, {31212, 0, 0}, {{0, 0}, {0, 0}}}},
        {"diagonal lines, thin",
         Pattern::DiagonalLines,
         1,
         {},
         {0x61897da45f0134c4, 0x3dd95a5356e67ad5, {33185, 0, 0}, {{0, 0}, {0, 0}}}},
        {"diagonal lines, thick",
         Pattern::DiagonalLines,
         2,
         {},
         {0xf0161e4e7b1a1f84, 0x3dd95a5356e67ad5, {31935, 0, 0}, {{0, 0}, {0, 0}}}},
        {"line removal, thin",
         Pattern::LineRemoval,
         1,
         {},
         {0xd03965f3cbb44f24, 0x3dd95a5356e67ad5, {33049, 0, 0}, {{0, 0}, {0, 0}}}},
        {"line removal, thick",
         Pattern::LineRemoval,
         2,
         {},
         {0xb9eeb608e5fccf54, 0x3dd95a5356e67ad5, {31746, 0, 0}, {{0, 0}, {0, 0}}}},
        {"triangles, thin",
         Pattern::Triangles,
         1,
         {},
         {0x19d1a48ce37f56c4, 0x3dd95a5356e67ad5, {32869, 0, 0}, {{0, 0}, {0, 0}}}},
        {"triangles, thick",
         Pattern::Triangles,
         2,
         {},
         {0x787bc9bb7602f5e5, 0x3dd95a5356e67ad5, {31172, 0, 0}, {{0, 0}, {0, 0}}}},
        {"built-in picture",
         std::nullopt,
         1,
         {},
         {0xecd278c1164a7845, 0x3dd95a5356e67ad5, {31135, 0, 0}, {{0, 0}, {0, 0}}}},
        // The right side takes one of the left's triangles back; a press on a line paints nothing.
        {"both sides on diagonal lines, thick",
         Pattern::DiagonalLines,
         2,
         {{Side::Left, 120, 20},
          {Side::Left, 300.5, 250.75},
          {Side::Left, 600, 440},
          {Side::Right, 5, 70},
          {Side::Right, 600.9, 440.9},
          {Side::Right, 0, 80}},
         {0x0d230d34e3dec5d8, 0xb727cb48d986e0ed, {30752, 676, 507}, {{8, 2}, {6, 2}}}},
        {"both sides on random lines, thin",
         Pattern::RandomLines,
         1,
         {{Side::Left, 320, 240}, {Side::Right, 10, 10}, {Side::Right, 630, 470}},
         {0x2ace64bb831bbd73, 0x148a2d5706385dce, {26995, 2007, 4692}, {{23, 1}, {53, 2}}}},
        {"both sides on line removal, thick",
         Pattern::LineRemoval,
         2,
         {{Side::Left, 20, 20}, {Side::Left, 300, 220}, {Side::Right, 620, 460}},
         {0xf4cc5dba50eaf34c, 0xfa1e4b39bad50569, {30732, 352, 662}, {{4, 2}, {8, 1}}}},
        {"both sides on the built-in picture",
         std::nullopt,
         1,
         {{Side::Left, 320, 240}, {Side::Left, 500, 50}, {Side::Right, 100, 100}},
         {0x1f9b1b938bb58751, 0xc973185254b7ff95, {29676, 719, 740}, {{9, 2}, {9, 1}}}},
    };
    for (const auto &row : rows) {
        CAPTURE(row.name);
        GameSession session([] { return ClockSeed; });
        session.load(settingsFor(row.lineWidth));
        if (row.pattern)
            session.makePattern(*row.pattern);
        else
            session.showOriginalPicture();
        for (const Press &press : row.presses)
            session.press(press.side, press.x, press.y);
        session.check();
        REQUIRE(session.squares().has_value());

        Figures figures;
        figures.board = pixelHash(session.board().image());
        figures.strip = pixelHash(session.strip().image());
        figures.territory = sampleTerritory(session.board().image(), session.sideColor(Side::Left),
                                            session.sideColor(Side::Right));
        figures.squares = session.squares()->result;
        CHECK(text(figures) == text(row.expected));
    }
}
