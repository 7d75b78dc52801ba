#pragma once

#include "desktop/widgets/Fonts.h"
#include "desktop/widgets/Twips.h"

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QToolButton;
class QWidget;

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

// A button that shows a picture (`icon`, a resource path) and takes the focus by click and Tab.
QToolButton *pictureButton(QWidget *parent, const char *name, QRect twips, const QString &icon,
                           QSize iconSize);
// A picture button with its caption under the picture.
QToolButton *captionedButton(QWidget *parent, const char *name, QRect twips, const QString &caption,
                             const QString &icon, QSize iconSize, const QFont &font);

// A window icon that shows nothing, for the dialogs that have none: without it the window manager
// would show the application's icon in its place.
QIcon emptyIcon();

} // namespace Layout
