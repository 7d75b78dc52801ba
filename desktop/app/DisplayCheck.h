#pragma once

#include <QString>

namespace DisplayCheck {

// True when the environment names a display or a Qt platform to draw on. Without one, creating the
// application would abort with Qt's own fatal message.
bool displayAvailable();

// The one line told to a user who started the game without a display.
QString noDisplayMessage(const QString &program);

} // namespace DisplayCheck
