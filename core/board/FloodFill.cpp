#include "core/board/FloodFill.h"

#include "core/board/Avx2Copy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// A scanline fill. It paints a row's whole open run at once and then looks at the next row only
// along that run, and back at the row it came from only where the new run sticks out beyond the
// old one: every pixel of the region is read a small bounded number of times, and no row is
// scanned whole again. The cost is about two reads and two writes per pixel (painting, then the
// last step over the painted rectangle), plus a small constant per run.
//
// While the fill runs, painted pixels hold the fill colour with alpha 0. No other pixel of an
// opaque raster has alpha 0, so that alone tells them from pixels still to paint, even from pixels
// that already had the fill colour, without a visited map; the last step makes them opaque.

namespace {

constexpr Rgb Opaque = OpaqueAlpha;

// How the fill tells pixels apart: open pixels are still to be painted.
struct PixelTest
{
    Rgb wall; // opaque
    Rgb mark; // the fill colour with alpha 0

    bool isOpen(Rgb pixel) const { return pixel != wall && pixel != mark; }
};

// Paints the open run of `row` that starts at the open pixel x and goes right, and returns
// where it ends (the first pixel after it). In three steps, so that short and long runs both
// cost little:
// - pixel by pixel up to a multiple of eight: a run in a corridor ends here;
// - then eight pixels per step, in two vector registers with four compares and one branch,
//   while all eight are open: on an open board the runs are whole rows, and this is where the
//   time goes;
// - then the rest of the run pixel by pixel.
int paintRight(Rgb *row, int x, int width, PixelTest test)
{
    for (const int boundary = std::min(width, (x + 8) & ~7); x < boundary; ++x) {
        if (!test.isOpen(row[x]))
            return x;
        row[x] = test.mark;
    }
    using Lanes = std::uint32_t __attribute__((vector_size(16)));
    const Lanes wall = {test.wall, test.wall, test.wall, test.wall};
    const Lanes mark = {test.mark, test.mark, test.mark, test.mark};
    for (; x + 8 <= width; x += 8) {
        Lanes low;
        Lanes high;
        std::memcpy(&low, row + x, sizeof low);
        std::memcpy(&high, row + x + 4, sizeof high);
        const auto closed = (low == wall) | (low == mark) | (high == wall) | (high == mark);
        std::uint64_t halves[2];
        std::memcpy(halves, &closed, sizeof halves);
        if ((halves[0] | halves[1]) != 0)
            break;
        std::memcpy(row + x, &mark, sizeof mark);
        std::memcpy(row + x + 4, &mark, sizeof mark);
    }
    for (; x < width && test.isOpen(row[x]); ++x)
        row[x] = test.mark;
    return x;
}

// Paints the open pixels left of x up to the first closed one, and returns the leftmost one
// painted (x itself when there is none). Pixel by pixel: a run reaches further left than the
// run it was found from only round a corner, which is rare and short.
int paintLeft(Rgb *row, int x, PixelTest test)
{
    for (; x > 0 && test.isOpen(row[x - 1]); --x)
        row[x - 1] = test.mark;
    return x;
}

// A painted run [left, right] of row y; row y + dy is still to be looked at along it.
struct Run
{
    int left;
    int right;
    int y;
    int dy;

    bool isEmpty() const { return left > right; }
};

MORVANE_ALSO_FOR_AVX2 FillResult scanlineFill(Raster &image, Point seed, Rgb fill, Rgb wall)
{
    if (!image.rect().contains(seed))
        return {};
    // Everything the loops use is a local: in an object, every pixel written could, for all the
    // compiler knows, change it, and it would be read from memory again after each write.
    const int width = image.width();
    const int height = image.height();
    Rgb *const pixels = image.bits();
    const std::ptrdiff_t stride = image.stride();
    const auto row = [&](int y) { return pixels + y * stride; };
    const PixelTest test{wall | Opaque, fill & ~Opaque};
    if (!test.isOpen(row(seed.y)[seed.x]))
        return {};

    // The painted rectangle grows sideways only where a run sticks out beyond the run it was
    // found from, and that is where it is widened.
    int left = paintLeft(row(seed.y), seed.x, test);
    int right = paintRight(row(seed.y), seed.x, width, test) - 1;
    int top = seed.y;
    int bottom = seed.y;
    int painted = right - left + 1;
    std::vector<Run> pending{{left, right, seed.y, -1}, {left, right, seed.y, +1}};
    while (!pending.empty()) {
        Run from = pending.back();
        pending.pop_back();
        // Follow `from` row by row while the next row has a run along it; further runs of that
        // row wait in `pending`. Following rather than queueing keeps a corridor, a run of one
        // pixel per row, to a few reads and writes per row.
        while (from.y + from.dy >= 0 && from.y + from.dy < height) {
            const int y = from.y + from.dy;
            Rgb *rowPixels = row(y);
            Run next{0, -1, y, from.dy};
            for (int x = from.left; x <= from.right; ++x) {
                if (!test.isOpen(rowPixels[x]))
                    continue;
                // Only a run through from.left can reach further left: any later run starts
                // after a closed pixel.
                const int runLeft = x == from.left ? paintLeft(rowPixels, x, test) : x;
                x = paintRight(rowPixels, x, width, test); // x is now closed, or the row's end
                const int runRight = x - 1;
                painted += x - runLeft;
                if (!next.isEmpty())
                    pending.push_back(next);
                next.left = runLeft;
                next.right = runRight;
                // Where the run sticks out beyond `from`, the row `from` lies in is still to be
                // looked at beside it.
                if (runLeft < from.left) {
                    pending.push_back({runLeft, from.left - 1, y, -from.dy});
                    left = std::min(left, runLeft);
                }
                if (runRight > from.right) {
                    pending.push_back({from.right + 1, runRight, y, -from.dy});
                    right = std::max(right, runRight);
                }
            }
            if (next.isEmpty())
                break;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            from = next;
        }
    }

    // The last step makes the painted pixels opaque: one pass over the painted rectangle, with
    // no branch, so that the compiler vectorises it; it costs about as much as writing that
    // rectangle once. Pixels outside the region keep their value.
    const Rect bounds = Rect::fromCorners(left, top, right, bottom);
    for (int y = top; y <= bottom; ++y) {
        Rgb *rowPixels = row(y);
        for (int x = left; x <= right; ++x)
            rowPixels[x] |= Opaque;
    }
    return {painted, bounds};
}

} // namespace

FillResult floodFill(Raster &image, Point seed, Rgb fill, Rgb wall)
{
    return scanlineFill(image, seed, fill, wall);
}
