#pragma once

namespace Fonts {

// The windows name their fonts as the game was designed with them; these map each name to the
// installed font that takes its place (IPA fonts for the Japanese faces, Liberation for Times).
void installSubstitutions();

} // namespace Fonts
