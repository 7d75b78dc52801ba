#include "board/widgets/SurfaceView.h"

#include "board/raster/Surface.h"

#include "board/widgets/ClassicBevel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

SurfaceView::SurfaceView(Surface &surface, Border border, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
    , m_border(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    const int frame = 2 * borderWidth();
    setFixedSize(surface.ScaleWidth() + frame, surface.ScaleHeight() + frame);
}

int SurfaceView::borderWidth() const
{
    return m_border == Border::Flat ? 1 : 2;
}

void SurfaceView::refresh()
{
    update(QRect(innerOrigin(), m_surface.image().size()));
}

void SurfaceView::refresh(const QRect &surfaceRect)
{
    update(surfaceRect.translated(innerOrigin()));
}

void SurfaceView::showSquares(const SquareCount::Result &result, QRgb leftColor, QRgb rightColor)
{
    m_squares.show(result, leftColor, rightColor);
    refresh();
}

void SurfaceView::hideSquares()
{
    if (!m_squares.isShown())
        return;
    m_squares.hide();
    refresh();
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inner(innerOrigin(), m_surface.image().size());
    // Smooth pixmap transform stays off: each surface pixel is drawn as a sharp block.
    const QRect dirty = event->rect() & inner;
    if (!dirty.isEmpty())
        painter.drawImage(dirty, m_surface.image(), dirty.translated(-innerOrigin()));
    m_squares.paint(painter, inner);

    if (m_border == Border::Flat) {
        // Filled rather than stroked: a stroked line would spill half a pixel onto the board's
        // last column and row at fractional and HiDPI scales.
        const QColor dark(0, 0, 0);
        const int w = width();
        const int h = height();
        painter.fillRect(QRect(0, 0, w, 1), dark);
        painter.fillRect(QRect(0, h - 1, w, 1), dark);
        painter.fillRect(QRect(0, 0, 1, h), dark);
        painter.fillRect(QRect(w - 1, 0, 1, h), dark);
    } else {
        qDrawWinPanel(&painter, rect(), classicBevelPalette(), true);
    }
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed(event->button(), event->position() - QPointF(innerOrigin()));
}
