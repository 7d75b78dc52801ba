#include "desktop/teacher/PressableLabel.h"

#include <QMouseEvent>

void PressableLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

void PressableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}
