#include "desktop/widgets/Layout.h"

#include <QPixmap>
#include <QToolButton>

namespace Layout {

QToolButton *pictureButton(QWidget *parent, const char *name, QRect twips, const QString &icon,
                           QSize iconSize)
{
    auto *button = place(new QToolButton(parent), name, twips);
    button->setIcon(QIcon(icon));
    button->setIconSize(iconSize);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QToolButton *captionedButton(QWidget *parent, const char *name, QRect twips, const QString &caption,
                             const QString &icon, QSize iconSize, const QFont &font)
{
    QToolButton *button = pictureButton(parent, name, twips, icon, iconSize);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(font);
    return button;
}

QIcon emptyIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace Layout
