#pragma once

class Surface;
struct GameSettings;

// The large grid with both diagonals of every square: 192 equal triangles on the 640 x 480 board.
void makeTriangles(Surface &board, Surface &strip, const GameSettings &settings);
