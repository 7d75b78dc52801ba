#pragma once

class QWidget;

// Places a window in the middle of its screen by its outer size (frame included):
// left = (screen width - window width) / 2, top likewise, halves kept unrounded until the move.
// Also before the first showing, when the window manager tells the frame it will draw.
void centreOnScreen(QWidget &window);
