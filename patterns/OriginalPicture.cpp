#include "patterns/OriginalPicture.h"

#include "patterns/PatternFrame.h"

#include "board/raster/Surface.h"

#include <QString>

QImage originalPicture()
{
    return QImage(QStringLiteral(":/pictures/original.png")).convertToFormat(QImage::Format_RGB32);
}

void OriginalImage(Surface &board, Surface &strip, const QImage &picture)
{
    PatternFrame::open(board, strip);
    board.setPicture(picture);
}
