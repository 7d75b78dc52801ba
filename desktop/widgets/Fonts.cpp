#include "desktop/widgets/Fonts.h"

#include <QFont>

namespace Fonts {

void installSubstitutions()
{
    QFont::insertSubstitution(GothicFace, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(MinchoFace, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(TimesFace, QStringLiteral("Liberation Serif"));
}

} // namespace Fonts
