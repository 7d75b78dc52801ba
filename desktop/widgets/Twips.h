#pragma once

#include <QRect>

// Window geometry is laid out in twips: 15 twips make one logical pixel. Qt scales logical pixels
// to the screen on HiDPI displays.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + PerPixel / 2) / PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
