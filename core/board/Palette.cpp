#include "core/board/Palette.h"

#include <array>
#include <cassert>

namespace Palette {

Rgb color(int index)
{
    static constexpr std::array<Rgb, Count> colors = {
        0xff000000, 0xff000080, 0xff008000, 0xff008080, 0xff800000, 0xff800080,
        0xff808000, 0xffc0c0c0, 0xff808080, 0xff0000ff, 0xff00ff00, 0xff00ffff,
        0xffff0000, 0xffff00ff, 0xffffff00, 0xffffffff,
    };
    assert(index >= 0 && index < Count);
    return colors.at(static_cast<std::size_t>(index));
}

std::int32_t colorValue(Rgb rgb)
{
    return redOf(rgb) | (greenOf(rgb) << 8) | (blueOf(rgb) << 16);
}

} // namespace Palette
