#include "desktop/app/DisplayCheck.h"

#include <QtGlobal>

namespace DisplayCheck {

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString noDisplayMessage(const QString &program)
{
    return QStringLiteral("%1: no display to show the game on (DISPLAY and WAYLAND_DISPLAY are "
                          "unset); to try it without one, run: xvfb-run -a %1")
        .arg(program);
}

} // namespace DisplayCheck
