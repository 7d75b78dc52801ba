#include "board/MorvaneMain.h"

#include "board/raster/ColorStep.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"
#include "teacher/Teacher.h"

// The teacher dialog's box "色が変えられる" holds the live switch from the start on.
bool MorvaneMain::colorChangeAllowed() const
{
    return m_teacher != nullptr && m_teacher->isColorChangeAllowed();
}

void MorvaneMain::setSwatchPointers(bool allowed)
{
    const Qt::CursorShape shape = allowed ? Qt::PointingHandCursor : Qt::ArrowCursor;
    m_ui.PicIndicate[1]->setCursor(shape);
    m_ui.PicIndicate[2]->setCursor(shape);
}

void MorvaneMain::PicIndicate_MouseDown(int index)
{
    stepColor(index);
}

void MorvaneMain::PicIndicate_DblClick(int index)
{
    stepColor(index);
}

void MorvaneMain::stepColor(int index)
{
    if (!colorChangeAllowed())
        return;
    const auto side = static_cast<size_t>(index);
    auto &colors = m_settings.CurrentColor;
    colors[side] = colorStep(colors[side], colors[3 - side]);
    m_ui.PicIndicate[side]->setBackColor(Palette::color(colors[side]));
}
