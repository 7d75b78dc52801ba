#include "core/board/Measurement.h"

#include "core/board/Avx2Copy.h"
#include "core/board/Palette.h"
#include "core/board/Surface.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int LatticeStep = 3;
constexpr Rgb Opaque = OpaqueAlpha;

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

MORVANE_ALSO_FOR_AVX2 TerritoryCount countLattice(const Raster &board, Rgb leftColor,
                                                  Rgb rightColor)
{
    using Lanes = std::uint32_t __attribute__((vector_size(16)));
    // Every pixel of the board is opaque, so the colours are made opaque to compare whole pixels.
    const Rgb left = leftColor | Opaque;
    const Rgb right = rightColor | Opaque;
    const Lanes blacks = {Opaque, Opaque, Opaque, Opaque};
    const Lanes lefts = {left, left, left, left};
    const Lanes rights = {right, right, right, right};
    // The samples among twelve pixels, at 0, 3, 6 and 9, in one register: three loads and two
    // shuffles (6 and 9 from the second and third load, then 0 and 3 from the first).
    const auto fourSamples = [](const Rgb *pixels) {
        Lanes first;
        Lanes second;
        Lanes third;
        std::memcpy(&first, pixels, sizeof first);
        std::memcpy(&second, pixels + 4, sizeof second);
        std::memcpy(&third, pixels + 8, sizeof third);
        const Lanes sixAndNine = __builtin_shufflevector(second, third, 2, 2, 5, 5);
        return Lanes(__builtin_shufflevector(first, sixAndNine, 0, 3, 4, 6));
    };
    // A compare gives -1 in the lanes that match, so each lane counts down its own samples.
    Lanes blackLanes = {};
    Lanes leftLanes = {};
    Lanes rightLanes = {};
    int samples = 0;
    int blackSamples = 0;
    int leftSamples = 0;
    int rightSamples = 0;
    // Row by row rather than column by column: the counts do not depend on the order, and the
    // rows are contiguous in memory. Eight samples per step, tested with three compares per four
    // samples and no branch: about a quarter of the instructions of one sample at a time. The
    // few samples at the end of a row are taken one at a time.
    const int width = board.width();
    const int height = board.height();
    constexpr int Step = 8 * LatticeStep;
    for (int y = 0; y < height; y += LatticeStep) {
        const Rgb *row = board.row(y);
        int x = 0;
        for (; x + Step <= width; x += Step) {
            const Lanes low = fourSamples(row + x);
            const Lanes high = fourSamples(row + x + Step / 2);
            blackLanes -= Lanes(low == blacks) + Lanes(high == blacks);
            leftLanes -= Lanes(low == lefts) + Lanes(high == lefts);
            rightLanes -= Lanes(low == rights) + Lanes(high == rights);
        }
        samples += x / LatticeStep;
        for (; x < width; x += LatticeStep) {
            blackSamples += static_cast<int>(row[x] == Opaque);
            leftSamples += static_cast<int>(row[x] == left);
            rightSamples += static_cast<int>(row[x] == right);
            ++samples;
        }
    }
    for (int lane = 0; lane < 4; ++lane) {
        blackSamples += static_cast<int>(blackLanes[lane]);
        leftSamples += static_cast<int>(leftLanes[lane]);
        rightSamples += static_cast<int>(rightLanes[lane]);
    }
    // A sample of black or a side's colour is counted once, even where two of the three colours
    // are the same: then both counts hold the same samples.
    const int blackOrSide = blackSamples + (left != Opaque ? leftSamples : 0) +
                            (right != Opaque && right != left ? rightSamples : 0);
    return {samples - blackOrSide, leftSamples, rightSamples};
}

} // namespace

TerritoryCount sampleTerritory(const Raster &board, Rgb leftColor, Rgb rightColor)
{
    return countLattice(board, leftColor, rightColor);
}

void drawTerritoryGraph(Surface &strip, const TerritoryCount &count, Rgb leftPaint, Rgb rightPaint)
{
    strip.clearPicture();
    const int width = strip.width();
    const int height = strip.height();
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
