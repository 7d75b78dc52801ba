#pragma once

#include "core/board/Raster.h"

class Surface;

// The built-in picture: 640 x 480 black lines on white, a stained-glass pattern of closed convex
// pieces (tools/make_original_picture draws it and writes its rows here).
Raster originalPicture();

// Puts `picture` on the board the way a pattern is put there: board and graph strip emptied, the
// picture set as the board's background.
void placeOriginalPicture(Surface &board, Surface &strip, const Raster &picture);
