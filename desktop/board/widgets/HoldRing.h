#pragma once

#include <QPointF>
#include <QRect>

class QPainter;

// The sign at a finger held on the board: a ring around the fingertip that fills clockwise from
// the top as the hold runs. Sized in millimetres, so that it shows beyond a fingertip on a tablet
// as on a whiteboard; white-edged, so that it shows on every colour and on the black lines.
class HoldRing
{
public:
    explicit HoldRing(qreal pixelsPerMillimetre);

    // What the ring centred at `centre` may cover.
    QRect bounds(QPointF centre) const;
    // `progress` runs from 0 (the empty track) to 1 (full).
    void paint(QPainter &painter, QPointF centre, qreal progress) const;

private:
    qreal m_radius;
    qreal m_width;
};
