#pragma once

class QCoreApplication;

namespace QtTranslations {

// Loads Qt's own Japanese texts (qtbase_ja) so that standard dialogs speak Japanese. False when
// the translation is not installed; the game then runs with Qt's English texts.
bool installJapanese(QCoreApplication &app);

} // namespace QtTranslations
