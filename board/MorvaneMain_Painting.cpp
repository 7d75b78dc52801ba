#include "board/MorvaneMain.h"

#include "board/Palette.h"
#include "board/SurfaceView.h"

#include <cmath>

// The pixel under the pointer is the one whose square holds the position: flooring, not rounding,
// is right for fractional positions too (HiDPI screens, tablets). Only the rectangle that the fill
// painted is repainted on the screen: a small region stays cheap on a large, high-density screen.
void MorvaneMain::picClient_MouseDown(Qt::MouseButton button, QPointF position)
{
    const size_t side = button == Qt::LeftButton ? 1 : 2;
    m_board.setFillColor(Palette::color(m_settings.CurrentColor[side]));
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    const QRect painted = m_board.floodFill(x, y).bounds;
    if (!painted.isEmpty())
        m_ui.picClient->refresh(painted);
}
