#include "desktop/board/widgets/HotSpot.h"

#include <QMouseEvent>

HotSpot::HotSpot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void HotSpot::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}
