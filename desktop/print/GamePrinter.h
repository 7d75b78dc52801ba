#pragma once

#include <QPrinter>
#include <QPrinterInfo>

// The game's one printer, made for the default printer (DefaultPrinter::find()). It speaks the
// game's printer codes: paper 9 A4, 12 B4, 13 B5 (the JIS B sizes), orientation 1 portrait, 2
// landscape. Without an installed printer it prints to PDF on A4 portrait, so the codes are always
// valid.
class GamePrinter
{
public:
    GamePrinter();

    QPrinter &printer() { return m_printer; }
    bool hasPrinter() const { return m_hasPrinter; }

    // The paper's Windows code (QPageSize::windowsId()): 9, 12 or 13 for the sizes the game
    // knows, any other code for other paper.
    int PaperSize() const;
    // False, changing nothing, for a code no paper size has.
    bool setPaperSize(int code);

    int Orientation() const;
    // False, changing nothing, for codes other than 1 and 2.
    bool setOrientation(int code);

private:
    explicit GamePrinter(const QPrinterInfo &info);

    QPrinter m_printer;
    bool m_hasPrinter = false;
};
