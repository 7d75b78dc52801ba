#include "board/print/page/ColourCopyPage.h"

#include "board/raster/Palette.h"
#include "board/raster/Surface.h"

namespace {

// The 24-bit colour value that Point reads (red in the low byte), or -1 for no colour.
QRgb cellColour(qint32 value)
{
    if (value < 0)
        return Palette::White;
    return qRgb(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

} // namespace

ColourCopyPage::ColourCopyPage(const Surface &board)
    : m_board(board)
    , m_page(Width, Height, QImage::Format_RGB32)
{
    m_page.fill(Palette::White);
}

int ColourCopyPage::plotColumn()
{
    Q_ASSERT(!isComplete());
    const int x = m_nextX;
    for (int y = 0; y <= Height; y += CellStep) {
        const QRgb colour = cellColour(m_board.Point(x / CellStep, y / CellStep));
        plot(x, y, colour);
        plot(x + 1, y, colour);
        plot(x, y + 1, colour);
        plot(x + 1, y + 1, colour);
    }
    m_nextX += CellStep;
    return x;
}

void ColourCopyPage::plot(int x, int y, QRgb color)
{
    if (x < Width && y < Height)
        reinterpret_cast<QRgb *>(m_page.scanLine(y))[x] = color;
}
