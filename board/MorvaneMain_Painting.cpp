#include "board/MorvaneMain.h"

#include "board/raster/Palette.h"

#include <cmath>

// The pixel under the pointer is the one whose square holds the position: flooring, not rounding,
// is right for fractional positions too (HiDPI screens, tablets).
void MorvaneMain::picClient_MouseDown(Qt::MouseButton button, QPointF position)
{
    const size_t side = button == Qt::LeftButton ? 1 : 2;
    m_board.setFillColor(Palette::color(m_settings.CurrentColor[side]));
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    if (m_board.floodFill(x, y) > 0)
        refreshBoard();
}
