#include "desktop/print/DefaultPrinter.h"

#include <cups/cups.h>

namespace DefaultPrinter {

namespace {

// Qt names a queue's instance after a slash, as lpoptions does.
QString cupsDefaultQueue()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr)
        return {};
    QString id = QString::fromLocal8Bit(dest->name);
    if (dest->instance != nullptr)
        id += QLatin1Char('/') + QString::fromLocal8Bit(dest->instance);
    cupsFreeDests(1, dest);
    return id;
}

} // namespace

QPrinterInfo find()
{
    const QPrinterInfo qtDefault = QPrinterInfo::defaultPrinter();
    if (!qtDefault.isNull())
        return qtDefault;
    // Qt 6.4 takes the queue that cupsGetDests() flags as the default, and CUPS flags none when
    // PRINTER or LPDEST and ~/.cups/lpoptions both name the same queue. cupsGetNamedDest() asks
    // for the user's default the way lp does.
    const QString queue = cupsDefaultQueue();
    return queue.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(queue);
}

} // namespace DefaultPrinter
