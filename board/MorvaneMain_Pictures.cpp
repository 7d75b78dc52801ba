#include "board/MorvaneMain.h"

#include "patterns/OriginalPicture.h"

void MorvaneMain::OriginalImage_Click()
{
    OriginalImage(m_board, m_strip, m_PicOrignal.picture());
    refreshBoard();
    refreshStrip();
}

void MorvaneMain::cmdFileOpen_Click() {}
