#include "desktop/board/widgets/ColorSwatch.h"

#include "desktop/board/widgets/ClassicBevel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

ColorSwatch::ColorSwatch(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorSwatch::setBackColor(QRgb color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QBrush fill{QColor::fromRgb(m_backColor)};
    qDrawWinPanel(&painter, rect(), classicBevelPalette(), true, &fill);
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}
