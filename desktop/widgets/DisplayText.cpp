#include "desktop/widgets/DisplayText.h"

namespace DisplayText {

QString lines(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    return shown;
}

} // namespace DisplayText
