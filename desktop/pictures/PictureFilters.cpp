#include "desktop/pictures/PictureFilters.h"

namespace Pictures {

QList<PictureFilter> pictureFilters()
{
    return {
        {QStringLiteral("ビットマップ (*.bmp) "), QStringLiteral("*.BMP")},
        {QStringLiteral("WMFファイル(*.wmf)"), QStringLiteral("*.wmf")},
        {QStringLiteral("JPEGファイル (*.jpg) "), QStringLiteral("*.jpg")},
        {QStringLiteral("Gifファイル (*.gif) "), QStringLiteral("*.gif")},
        {QStringLiteral("PNGファイル (*.png) "), QStringLiteral("*.png")},
    };
}

QStringList pictureNameFilters()
{
    QStringList filters;
    for (const PictureFilter &filter : pictureFilters())
        filters << filter.description + u'(' + filter.pattern + u')';
    return filters;
}

} // namespace Pictures
