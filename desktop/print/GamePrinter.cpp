#include "desktop/print/GamePrinter.h"

#include "desktop/print/DefaultPrinter.h"

#include <QPageLayout>
#include <QPageSize>

namespace {

constexpr int Portrait = 1;
constexpr int Landscape = 2;

} // namespace

GamePrinter::GamePrinter()
    : GamePrinter(DefaultPrinter::find())
{}

GamePrinter::GamePrinter(const QPrinterInfo &info)
    : m_printer(info, QPrinter::HighResolution)
    , m_hasPrinter(!info.isNull())
{
    if (!m_hasPrinter) {
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
    }
}

int GamePrinter::PaperSize() const
{
    return m_printer.pageLayout().pageSize().windowsId();
}

bool GamePrinter::setPaperSize(int code)
{
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom)
        return false;
    return m_printer.setPageSize(QPageSize(id));
}

int GamePrinter::Orientation() const
{
    return m_printer.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

bool GamePrinter::setOrientation(int code)
{
    if (code != Portrait && code != Landscape)
        return false;
    return m_printer.setPageOrientation(code == Landscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
}
