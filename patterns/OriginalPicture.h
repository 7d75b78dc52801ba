#pragma once

#include <QImage>

class Surface;

// The built-in picture: 640 x 480 black lines on white, loaded from the program's resources as
// Format_RGB32. A null image if the resource is missing.
QImage originalPicture();

// Puts `picture` on the board the way a pattern is put there: board and graph strip emptied,
// the picture set as the board's background with persistence on, persistence off again.
void OriginalImage(Surface &board, Surface &strip, const QImage &picture);
