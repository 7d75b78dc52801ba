#include "core/board/SquareCount.h"

#include <cmath>
#include <string>
#include <vector>

namespace SquareCount {

namespace {

constexpr Rgb RgbMask = 0x00ffffff;

struct SquareTally
{
    int nonBlack = 0;
    int left = 0;
    int right = 0;
};

// The number of 4-connected areas of `color`, with an explicit stack of pixel indices.
int regionsOf(const Raster &board, Rgb color)
{
    const int width = board.width();
    const int height = board.height();
    std::vector<bool> seen(static_cast<size_t>(width) * static_cast<size_t>(height));
    const auto isColor = [&board, color](int x, int y) {
        return (board.pixel(x, y) & RgbMask) == color;
    };
    std::vector<int> stack;
    int regions = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t start =
                static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
            if (seen[start] || !isColor(x, y))
                continue;
            ++regions;
            seen[start] = true;
            stack.push_back(y * width + x);
            while (!stack.empty()) {
                const int at = stack.back();
                stack.pop_back();
                const int px = at % width;
                const int py = at / width;
                const auto visit = [&](int nx, int ny) {
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        return;
                    const size_t index = static_cast<size_t>(ny) * static_cast<size_t>(width) +
                                         static_cast<size_t>(nx);
                    if (seen[index] || !isColor(nx, ny))
                        return;
                    seen[index] = true;
                    stack.push_back(ny * width + nx);
                };
                visit(px - 1, py);
                visit(px + 1, py);
                visit(px, py - 1);
                visit(px, py + 1);
            }
        }
    }
    return regions;
}

int roundedHalves(double squares)
{
    return static_cast<int>(std::lround(squares * 2));
}

} // namespace

Result count(const Raster &board, Rgb leftColor, Rgb rightColor)
{
    const Raster &image = board;
    const Rgb left = leftColor & RgbMask;
    const Rgb right = rightColor & RgbMask;
    const int columns = (image.width() + UnitSquare - 1) / UnitSquare;
    const int rows = (image.height() + UnitSquare - 1) / UnitSquare;
    std::vector<SquareTally> squares(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    for (int y = 0; y < image.height(); ++y) {
        const Rgb *line = image.row(y);
        SquareTally *rowOfSquares =
            &squares[static_cast<size_t>(y / UnitSquare) * static_cast<size_t>(columns)];
        for (int x = 0; x < image.width(); ++x) {
            const Rgb color = line[x] & RgbMask;
            SquareTally &square = rowOfSquares[x / UnitSquare];
            square.nonBlack += color != 0;
            square.left += color == left;
            square.right += color == right;
        }
    }
    // A side coloured black would hold pixels that count as no square's ground: its shares are
    // taken of the whole square instead, so that they stay between 0 and 1.
    double leftSquares = 0;
    double rightSquares = 0;
    constexpr int squarePixels = UnitSquare * UnitSquare;
    for (const SquareTally &square : squares) {
        const auto share = [&square](int pixels, Rgb color) {
            const int ground = color == 0 ? squarePixels : square.nonBlack;
            return ground == 0 ? 0.0 : double(pixels) / ground;
        };
        leftSquares += share(square.left, left);
        rightSquares += share(square.right, right);
    }
    return {{roundedHalves(leftSquares), regionsOf(image, left)},
            {roundedHalves(rightSquares), regionsOf(image, right)}};
}

std::string areaText(int halves)
{
    const int whole = halves / 2;
    const bool half = halves % 2 != 0;
    if (!half)
        return whole == 0 ? "0こ" : std::to_string(whole) + "こ分";
    return whole == 0 ? "半分" : std::to_string(whole) + "こ分と半分";
}

} // namespace SquareCount
