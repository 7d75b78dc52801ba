#pragma once

#include "app/core/Twips.h"

#include <QFont>
#include <QRect>
#include <QString>

// What every window's layout code shares: the two faces the layout names (substituted at start,
// see Fonts) and placing a named control at its place in twips.
namespace Layout {

inline const QString GothicFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoFace = QStringLiteral("ＭＳ Ｐ明朝");

inline QFont gameFont(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template <typename Widget> Widget *place(Widget *widget, const QString &name, QRect twips)
{
    widget->setObjectName(name);
    widget->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}

template <typename Widget> Widget *place(Widget *widget, const char *name, QRect twips)
{
    return place(widget, QString::fromLatin1(name), twips);
}

} // namespace Layout
