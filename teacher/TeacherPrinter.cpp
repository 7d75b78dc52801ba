#include "teacher/Teacher.h"

#include "app/settings/PrinterOptions.h"
#include "board/print/GamePrinter.h"

#include <QPrintDialog>
#include <QRadioButton>

void Teacher::selectPaperOption(int option)
{
    m_ui.optPaperSize.at(static_cast<size_t>(option))->setChecked(true);
}

void Teacher::selectOrientationOption(int option)
{
    m_ui.OptOrientated.at(static_cast<size_t>(option))->setChecked(true);
}

void Teacher::optPaperSize_Click(int index)
{
    m_settings.PaperSize = PrinterOptions::paperCode(index);
}

void Teacher::OptOrientated_Click(int index)
{
    m_settings.Orientation = PrinterOptions::orientationCode(index);
}

// The paper and orientation the teacher picks become the game's; the option buttons keep showing
// what they showed. Without a printer, and on Cancel, nothing changes.
void Teacher::cmdPrinterSetting_Click()
{
    if (!m_printer.hasPrinter())
        return;
    QPrintDialog dialog(&m_printer.printer(), this);
    // Printing to a file here would send every later print to that file.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.PaperSize = static_cast<qint16>(m_printer.PaperSize());
    m_settings.Orientation = static_cast<qint16>(m_printer.Orientation());
}
