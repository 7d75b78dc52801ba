#pragma once

#include <QPrinterInfo>

// The printer that prints when the user names none.
namespace DefaultPrinter {

// Qt's default printer or, where Qt names none, the default destination of CUPS (LPDEST, PRINTER,
// the lpoptions files, then the server's), provided Qt lists that queue. Null when neither has one:
// the game does not fall back to just any installed printer.
QPrinterInfo find();

} // namespace DefaultPrinter
