#include "core/print/ColourCopyPage.h"

#include "core/board/Palette.h"
#include "core/board/Surface.h"

#include <cassert>
#include <cstdint>

namespace {

// The 24-bit colour value that Point reads (red in the low byte), or -1 for no colour.
Rgb cellColour(std::int32_t value)
{
    if (value < 0)
        return Palette::White;
    return rgb(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

} // namespace

ColourCopyPage::ColourCopyPage(const Surface &board)
    : m_board(board)
    , m_page(Width, Height, Palette::White)
{}

int ColourCopyPage::plotColumn()
{
    assert(!isComplete());
    const int x = m_nextX;
    for (int y = 0; y <= Height; y += CellStep) {
        const Rgb colour = cellColour(m_board.colorValueAt(x / CellStep, y / CellStep));
        plot(x, y, colour);
        plot(x + 1, y, colour);
        plot(x, y + 1, colour);
        plot(x + 1, y + 1, colour);
    }
    m_nextX += CellStep;
    return x;
}

void ColourCopyPage::plot(int x, int y, Rgb color)
{
    if (x < Width && y < Height)
        m_page.setPixel(x, y, color);
}
