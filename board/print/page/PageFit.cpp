#include "board/print/page/PageFit.h"

#include <algorithm>

namespace {

// round(a * b / c) for positive values, halves rounded up, without overflow for page sizes.
int scaledSide(qint64 a, qint64 b, qint64 c)
{
    return static_cast<int>(std::max<qint64>(1, (2 * a * b + c) / (2 * c)));
}

} // namespace

QRect fitToPage(const QRect &page, const QSize &source)
{
    if (page.isEmpty() || source.isEmpty())
        return {};
    const qint64 sourceWidth = source.width();
    const qint64 sourceHeight = source.height();
    // The source is relatively wider than the page exactly when it fills the page's width first.
    if (sourceWidth * page.height() >= sourceHeight * page.width())
        return {page.topLeft(),
                QSize(page.width(), scaledSide(sourceHeight, page.width(), sourceWidth))};
    return {page.topLeft(),
            QSize(scaledSide(sourceWidth, page.height(), sourceHeight), page.height())};
}
