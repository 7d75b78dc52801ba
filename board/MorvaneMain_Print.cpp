#include "board/MorvaneMain.h"

#include "board/print/BoardPrint.h"

// Prints the board in colour, cell by cell, or an image of this window, as the teacher chose.
void MorvaneMain::cmdRedraw_Click()
{
    BoardPrint print(m_printer, m_settings.PaperSize, m_settings.Orientation, *this);
    if (m_settings.PrintModeFlag)
        print.colourCopy(m_board, {m_strip, *m_ui.PicMenseki, *m_ui.PrintLabel});
    else
        print.windowPrint();
}
