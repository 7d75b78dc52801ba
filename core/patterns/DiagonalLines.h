#pragma once

class Surface;
struct GameSettings;

// Five horizontal lines and two crossing families of slanted lines, each running three column
// widths sideways from the top edge to the bottom edge: 102 triangles on the 640 x 480 board.
void makeDiagonalLines(Surface &board, Surface &strip, const GameSettings &settings);
