#pragma once

#include <QString>

namespace Fonts {

// The faces the windows name, as the game was designed with them.
inline const QString GothicFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoFace = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString TimesFace = QStringLiteral("Times New Roman");

// The windows name their fonts as the game was designed with them; these map each name to the
// installed font that takes its place (IPA fonts for the Japanese faces, Liberation for Times).
void installSubstitutions();

} // namespace Fonts
