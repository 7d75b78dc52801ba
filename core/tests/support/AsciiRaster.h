#pragma once

#include "core/board/Raster.h"

#include <doctest/doctest.h>

#include <stdexcept>
#include <string>
#include <vector>

// Small rasters written as rows of characters, for tests:
//   '#' black (a wall), '.' white, 'r' red, 'g' green, 'b' blue, 'y' yellow.
namespace AsciiRaster {

using Rows = std::vector<std::string>;

struct Symbol
{
    char character;
    Rgb color;
};

inline constexpr Symbol Symbols[] = {
    {'#', 0xff000000}, {'.', 0xffffffff}, {'r', 0xffff0000},
    {'g', 0xff00ff00}, {'b', 0xff0000ff}, {'y', 0xffffff00},
};

inline Rgb colorOf(char character)
{
    for (const Symbol &symbol : Symbols)
        if (symbol.character == character)
            return symbol.color;
    throw std::invalid_argument(std::string("no colour for '") + character + "'");
}

// Precondition: at least one row, all of the first row's length.
inline Raster toRaster(const Rows &rows)
{
    Raster raster(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            raster.setPixel(
                x, y, colorOf(rows[static_cast<std::size_t>(y)].at(static_cast<std::size_t>(x))));
    return raster;
}

// Colours without a symbol show as '?'.
inline Rows toRows(const Raster &raster)
{
    Rows rows;
    for (int y = 0; y < raster.height(); ++y) {
        std::string row;
        for (int x = 0; x < raster.width(); ++x) {
            char character = '?';
            for (const Symbol &symbol : Symbols)
                if (raster.pixel(x, y) == symbol.color)
                    character = symbol.character;
            row += character;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace AsciiRaster

// A failed comparison shows the rows one under another.
template <> struct doctest::StringMaker<AsciiRaster::Rows>
{
    static doctest::String convert(const AsciiRaster::Rows &rows)
    {
        std::string text = "{";
        for (const std::string &row : rows)
            text += "\n  \"" + row + "\"";
        return (text + " }").c_str();
    }
};
