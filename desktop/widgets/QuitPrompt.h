#pragma once

#include <QString>

class QWidget;

namespace QuitPrompt {

QString title();
// The three lines of the question, joined by a carriage return as the game writes its texts.
QString prompt();

// Asks, modally over `parent`, whether to end the game. No is the default and the escape button,
// so Enter, Space and Esc all keep the game running. True only for Yes.
bool confirm(QWidget *parent);

} // namespace QuitPrompt
