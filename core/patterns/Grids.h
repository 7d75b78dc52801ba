#pragma once

#include <cstdint>

class Surface;
struct GameSettings;

// The large grid: 8 x 6 squares (80 x 80 on the 640 x 480 board).
void makeLargeGrid(Surface &board, Surface &strip, const GameSettings &settings);

// The fine grid: 16 x 12 squares (40 x 40 on the 640 x 480 board).
void makeFineGrid(Surface &board, Surface &strip, const GameSettings &settings);

// The inner lines of a grid of `columns` x `rows` cells of dx x dy, in black with the board's
// pen: the vertical lines left to right over the full height, then the horizontal lines top to
// bottom over the full width. The board's edge is not drawn.
void drawGridLines(Surface &board, std::int16_t dx, std::int16_t dy, std::int16_t columns,
                   std::int16_t rows);
