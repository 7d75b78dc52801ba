#pragma once

#include "app/core/Twips.h"
#include "app/widgets/Fonts.h"

#include <QFont>
#include <QRect>
#include <QString>

// What every window's layout code shares: the faces it names (substituted at start, see Fonts)
// and placing a named control at its place in twips.
namespace Layout {

using Fonts::GothicFace;
using Fonts::MinchoFace;

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
