#include "board/raster/FloodFill.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb RgbMask = 0x00ffffff;

// A run of pixels of one row, [left, right].
struct Span
{
    int left;
    int right;
    int y;
};

// While the fill runs, painted pixels carry the fill colour with alpha 0. No other pixel of an
// RGB32 image has alpha 0, so that alone marks them as done, without a separate visited map;
// the last step makes them opaque.
class ScanlineFill
{
public:
    ScanlineFill(QImage &image, QRgb fill, QRgb wall)
        : m_pixels(reinterpret_cast<QRgb *>(image.bits()))
        , m_stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
        , m_width(image.width())
        , m_height(image.height())
        , m_fill(fill | 0xff000000)
        , m_mark(fill & RgbMask)
        , m_wall(wall & RgbMask)
    {}

    int run(QPoint seed)
    {
        if (!QRect(0, 0, m_width, m_height).contains(seed) || !isOpen(row(seed.y())[seed.x()]))
            return 0;
        m_pending.push_back(markRun(seed.x(), seed.y()));
        while (!m_pending.empty()) {
            const Span span = m_pending.back();
            m_pending.pop_back();
            scanRow(span, span.y - 1);
            scanRow(span, span.y + 1);
        }
        int painted = 0;
        for (const Span &span : m_done) {
            QRgb *pixels = row(span.y);
            std::fill(pixels + span.left, pixels + span.right + 1, m_fill);
            painted += span.right - span.left + 1;
        }
        return painted;
    }

private:
    QRgb *row(int y) const { return m_pixels + y * m_stride; }

    bool isOpen(QRgb pixel) const { return (pixel >> 24) != 0 && (pixel & RgbMask) != m_wall; }

    // The first pixel of [from, end) for which isOpen() differs from `open`, or `end`. Runs
    // over long spans, so it tests four pixels at a time in a vector register.
    int skipWhile(const QRgb *pixels, int from, int end, bool open) const
    {
        using Lanes = std::uint32_t __attribute__((vector_size(16)));
        const Lanes wall = {m_wall, m_wall, m_wall, m_wall};
        const Lanes rgbMask = {RgbMask, RgbMask, RgbMask, RgbMask};
        const Lanes want = open ? Lanes{0, 0, 0, 0} : Lanes{~0U, ~0U, ~0U, ~0U};
        int x = from;
        for (; x + 4 <= end; x += 4) {
            Lanes block;
            std::memcpy(&block, pixels + x, sizeof block);
            const Lanes closed = ((block >> 24) == 0) | ((block & rgbMask) == wall);
            const Lanes differs = closed ^ want;
            if ((differs[0] | differs[1] | differs[2] | differs[3]) != 0)
                break;
        }
        while (x < end && isOpen(pixels[x]) == open)
            ++x;
        return x;
    }

    // Marks the whole open run through (x, y) and returns it.
    Span markRun(int x, int y)
    {
        QRgb *pixels = row(y);
        int left = x;
        while (left > 0 && isOpen(pixels[left - 1]))
            --left;
        const int right = skipWhile(pixels, x, m_width, true) - 1;
        std::fill(pixels + left, pixels + right + 1, m_mark);
        const Span span{left, right, y};
        m_done.push_back(span);
        return span;
    }

    // Starts a run at every open pixel of row y next to `span`.
    void scanRow(const Span &span, int y)
    {
        if (y < 0 || y >= m_height)
            return;
        const QRgb *pixels = row(y);
        int x = span.left;
        while ((x = skipWhile(pixels, x, span.right + 1, false)) <= span.right) {
            const Span found = markRun(x, y);
            m_pending.push_back(found);
            x = found.right + 1;
        }
    }

    QRgb *const m_pixels;
    const qsizetype m_stride;
    const int m_width;
    const int m_height;
    const QRgb m_fill;
    const QRgb m_mark;
    const QRgb m_wall;
    std::vector<Span> m_pending;
    std::vector<Span> m_done;
};

} // namespace

int floodFill(QImage &image, QPoint seed, QRgb fill, QRgb wall)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    return ScanlineFill(image, fill, wall).run(seed);
}
