#include "core/patterns/OriginalPicture.h"

#include "core/board/Palette.h"
#include "core/board/Surface.h"
#include "core/patterns/PatternFrame.h"

#include <algorithm>
#include <cstdint>

namespace {

// Each row as the lengths of its runs, white first, then black, white, ... up to the row's end;
// a row ends where its runs add up to the width.
#include "core/patterns/OriginalPictureRuns.inc"

} // namespace

Raster originalPicture()
{
    Raster picture(OriginalWidth, OriginalHeight, Palette::White);
    std::size_t run = 0;
    for (int y = 0; y < OriginalHeight; ++y) {
        Rgb *row = picture.row(y);
        bool black = false;
        for (int x = 0; x < OriginalWidth; black = !black) {
            const int length = OriginalRuns[run++];
            if (black)
                std::fill(row + x, row + x + length, Palette::Black);
            x += length;
        }
    }
    return picture;
}

void placeOriginalPicture(Surface &board, Surface &strip, const Raster &picture)
{
    PatternFrame::open(board, strip);
    board.setPicture(picture);
}
