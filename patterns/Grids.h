#pragma once

#include <QtGlobal>

class Surface;
struct GameSettings;

// The large grid: 8 x 6 squares (80 x 80 on the 640 x 480 board).
void MakeGrid(Surface &board, Surface &strip, const GameSettings &settings);

// The fine grid: 16 x 12 squares (40 x 40 on the 640 x 480 board).
void MakeGridSmall(Surface &board, Surface &strip, const GameSettings &settings);

// The inner lines of a grid of `columns` x `rows` cells of dx x dy, in black with the board's
// pen: the vertical lines left to right over the full height, then the horizontal lines top to
// bottom over the full width. The board's edge is not drawn.
void drawGridLines(Surface &board, qint16 dx, qint16 dy, qint16 columns, qint16 rows);
