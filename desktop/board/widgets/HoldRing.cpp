#include "desktop/board/widgets/HoldRing.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr qreal RadiusMillimetres = 10; // a fingertip's contact is about 12 mm across
constexpr qreal WidthMillimetres = 2.5;
constexpr qreal EdgePixels = 1.5; // the white edge on each side of the track

const QColor TrackColor(160, 160, 160);
const QColor FillColor(0, 0, 0);
const QColor EdgeColor(255, 255, 255);

} // namespace

HoldRing::HoldRing(qreal pixelsPerMillimetre)
    : m_radius(RadiusMillimetres * pixelsPerMillimetre)
    , m_width(WidthMillimetres * pixelsPerMillimetre)
{}

QRect HoldRing::bounds(QPointF centre) const
{
    const qreal reach = m_radius + m_width / 2 + EdgePixels + 1;
    return QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect();
}

void HoldRing::paint(QPainter &painter, QPointF centre, qreal progress) const
{
    const QRectF circle(centre - QPointF(m_radius, m_radius), QSizeF(2 * m_radius, 2 * m_radius));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(EdgeColor, m_width + 2 * EdgePixels));
    painter.drawEllipse(circle);
    painter.setPen(QPen(TrackColor, m_width));
    painter.drawEllipse(circle);
    // Qt's angles are sixteenths of a degree, counter-clockwise from three o'clock.
    const int span = -static_cast<int>(std::lround(progress * 360 * 16));
    painter.setPen(QPen(FillColor, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(circle, 90 * 16, span);
    painter.restore();
}
