#include "board/print/BoardPrint.h"

#include "board/print/page/PageFit.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

void BoardPrint::windowPrint()
{
    setPaper();
    step(printWindowImage());
}

// The window's client area with every control as it is shown, the painted board included.
bool BoardPrint::printWindowImage()
{
    const QImage image = m_window.grab().toImage();
    QPainter painter;
    if (!openPage(painter))
        return false;
    painter.drawImage(fitToPage(printableArea(), image.size()), image);
    return painter.end();
}
