#include "board/print/BoardPrint.h"

#include "board/print/GamePrinter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>

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
