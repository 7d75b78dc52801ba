#include "board/raster/Palette.h"

#include <array>

namespace Palette {

QRgb color(int index)
{
    static constexpr std::array<QRgb, Count> colors = {
        0xff000000, 0xff000080, 0xff008000, 0xff008080, 0xff800000, 0xff800080,
        0xff808000, 0xffc0c0c0, 0xff808080, 0xff0000ff, 0xff00ff00, 0xff00ffff,
        0xffff0000, 0xffff00ff, 0xffffff00, 0xffffffff,
    };
    Q_ASSERT(index >= 0 && index < Count);
    return colors.at(static_cast<std::size_t>(index));
}

qint32 colorValue(QRgb rgb)
{
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

} // namespace Palette
