#include "desktop/print/BoardPrint.h"

#include "core/print/ColourCopyPage.h"
#include "core/print/PageFit.h"
#include "desktop/print/GamePrinter.h"
#include "desktop/print/PrintProgress.h"
#include "desktop/widgets/RasterImage.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>

namespace {

const QString FailureMessage = QStringLiteral("フォームの印刷ができません。");

} // namespace

BoardPrint::BoardPrint(GamePrinter &printer, int paperSize, int orientation, QWidget &window)
    : m_printer(printer)
    , m_paperSize(paperSize)
    , m_orientation(orientation)
    , m_window(window)
{}

bool BoardPrint::printerInstalled() const
{
    return m_printer.hasPrinter();
}

void BoardPrint::reportFailure()
{
    // The wait cursor of a running print is for the window, not for the question asked over it.
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    QMessageBox box(QMessageBox::NoIcon, QString(), FailureMessage, QMessageBox::Ok, &m_window);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
}

void BoardPrint::step(bool succeeded)
{
    if (!succeeded)
        reportFailure();
}

void BoardPrint::setPaper()
{
    step(printerInstalled() && m_printer.setPaperSize(m_paperSize));
    step(printerInstalled() && m_printer.setOrientation(m_orientation));
}

// Starts the document.
bool BoardPrint::openPage(QPainter &painter)
{
    if (!printerInstalled() || !painter.begin(&m_printer.printer()))
        return false;
    // Qt's PDF output would store the images as JPEG otherwise, which blurs the cells' edges.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    return true;
}

bool BoardPrint::setColourMode()
{
    if (!printerInstalled())
        return false;
    QPrinter &printer = m_printer.printer();
    printer.setColorMode(QPrinter::Color);
    return printer.colorMode() == QPrinter::Color;
}

// In device pixels, as a painter on the printer sees it: its origin is the area's top left.
QRect BoardPrint::printableArea() const
{
    return {QPoint(0, 0), m_printer.printer().pageRect(QPrinter::DevicePixel).size().toSize()};
}

void BoardPrint::colourCopy(const Surface &board, PrintProgress &progress)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    progress.showStatus(QStringLiteral("印刷準備中"));
    progress.clearBar();

    step(setColourMode());
    setPaper();
    QPainter painter;
    step(openPage(painter));

    // The page collects the plots; it goes to the printer as one image when the document ends.
    // Without an open document the very first plot fails, and the plotting stops there.
    ColourCopyPage page(board);
    if (painter.isActive()) {
        while (!page.isComplete())
            progress.growBar(page.plotColumn());
    } else {
        reportFailure();
    }

    progress.showStatus(QStringLiteral("印刷スプール中"));
    if (painter.isActive()) {
        // The page's 1280 x 960 units span the printable area. Scaling the image rather than the
        // painter's window matters: Qt keeps a window set on a printer for its next document.
        painter.drawImage(printableArea(), imageOf(page.image()));
        step(painter.end());
    } else {
        reportFailure();
    }

    QGuiApplication::restoreOverrideCursor();
    progress.clearBar();
    progress.hideStatus();
}

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
    painter.drawImage(qRectOf(fitToPage(rectOf(printableArea()), {image.width(), image.height()})),
                      image);
    return painter.end();
}
