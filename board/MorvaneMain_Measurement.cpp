#include "board/MorvaneMain.h"

#include "board/raster/Measurement.h"
#include "board/raster/Palette.h"
#include "board/widgets/ColorSwatch.h"

// The sides are told apart by the colours their swatches show; the bars are drawn in the palette
// colours of the current colour indices.
void MorvaneMain::ColCheck_Click()
{
    const TerritoryCount count = sampleTerritory(m_board.image(), m_ui.PicIndicate[1]->BackColor(),
                                                 m_ui.PicIndicate[2]->BackColor());
    drawTerritoryGraph(m_strip, count, Palette::color(m_settings.CurrentColor[1]),
                       Palette::color(m_settings.CurrentColor[2]));
    refreshStrip();
}
