#include "board/raster/Measurement.h"

#include "board/raster/Palette.h"
#include "board/raster/Surface.h"

#include <QImage>

#include <cmath>

namespace {

constexpr int LatticeStep = 3;
constexpr QRgb RgbMask = 0x00ffffff;

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

// GCC's vectoriser turns the strided reads below into gathers and shuffles that run at half the
// speed of the plain loop.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-vectorize")))
#endif
TerritoryCount
sampleTerritory(const QImage &board, QRgb leftColor, QRgb rightColor)
{
    const QRgb left = leftColor & RgbMask;
    const QRgb right = rightColor & RgbMask;
    const int width = board.width();
    const int height = board.height();
    int samples = 0;
    int leftSamples = 0;
    int rightSamples = 0;
    int blackOrSideSamples = 0;
    // Row by row rather than column by column: the counts do not depend on the order, and the
    // rows are contiguous in memory. The loop only adds up comparisons, without branches.
    for (int y = 0; y < height; y += LatticeStep) {
        const auto *row = reinterpret_cast<const QRgb *>(board.constScanLine(y));
        for (int x = 0; x < width; x += LatticeStep) {
            const QRgb color = row[x] & RgbMask;
            const int isLeft = color == left;
            const int isRight = color == right;
            leftSamples += isLeft;
            rightSamples += isRight;
            blackOrSideSamples += static_cast<int>(color == 0) | isLeft | isRight;
            ++samples;
        }
    }
    return {samples - blackOrSideSamples, leftSamples, rightSamples};
}

void drawTerritoryGraph(Surface &strip, const TerritoryCount &count, QRgb leftPaint,
                        QRgb rightPaint)
{
    strip.clearPicture();
    const int width = strip.ScaleWidth();
    const int height = strip.ScaleHeight();
    // Counts stay far below 2^24, so single precision holds them exactly, as the shares are.
    const float total = static_cast<float>(count.right) + static_cast<float>(count.left) +
                        static_cast<float>(count.unpainted);
    if (total > 0) {
        const float leftShare = static_cast<float>(count.left) * static_cast<float>(width) / total;
        const float rightShare =
            static_cast<float>(count.right) * static_cast<float>(width) / total;
        const int leftEnd = roundHalfEven(leftShare);
        const int rightStart = width - roundHalfEven(rightShare);
        if (leftEnd > 0)
            strip.filledBox(0, 0, leftEnd - 1, height - 1, leftPaint);
        if (rightStart < width)
            strip.filledBox(rightStart, 0, width - 1, height - 1, rightPaint);
    }
    const int middle = width / 2;
    strip.line(middle, 0, middle, height - 1, Palette::Black);
    strip.line(middle + 1, 0, middle + 1, height - 1, Palette::White);
}
