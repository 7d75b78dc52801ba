#pragma once

#include <QRgb>
#include <QtGlobal>

// The 16-colour basic palette in which every paint colour is given, in the order of the classic
// text-mode palette. Index 0 is black, the colour of the board's walls.
namespace Palette {

constexpr int Count = 16;

// Precondition: 0 <= index < Count.
QRgb color(int index);

// The 24-bit colour value of a colour: red in the low byte, then green, then blue.
qint32 colorValue(QRgb rgb);

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;
constexpr QRgb LightGrey = 0xffc0c0c0;
constexpr QRgb Grey = 0xff808080;

} // namespace Palette
