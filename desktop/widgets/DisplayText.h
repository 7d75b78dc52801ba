#pragma once

#include <QString>

namespace DisplayText {

// The game joins the lines of its prompts and labels with a carriage return alone; QLabel and
// QMessageBox only break at "\n". Every line join ("\r\n", "\r" or "\n") becomes one "\n".
QString lines(const QString &text);

} // namespace DisplayText
