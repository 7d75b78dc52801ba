#include "desktop/board/widgets/SurfaceView.h"

#include "core/board/Surface.h"
#include "desktop/touch/FingerTracker.h"
#include "desktop/widgets/RasterImage.h"

#include "desktop/board/widgets/ClassicBevel.h"
#include "desktop/board/widgets/HoldRing.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTabletEvent>
#include <QTouchEvent>
#include <qdrawutil.h>

#include <cmath>

SurfaceView::SurfaceView(const Surface &surface, Border border, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
    , m_border(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    const int frame = 2 * borderWidth();
    setFixedSize(surface.width() + frame, surface.height() + frame);
}

int SurfaceView::borderWidth() const
{
    return m_border == Border::Flat ? 1 : 2;
}

void SurfaceView::refresh()
{
    update(QRect(innerOrigin(), surfaceSize()));
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

void SurfaceView::acceptFingersAndPens()
{
    if (m_fingers != nullptr)
        return;
    // Taking the touch events keeps Qt from turning a finger into mouse events here.
    setAttribute(Qt::WA_AcceptTouchEvents);
    m_fingers = new FingerTracker(surfaceSize(), this);
    connect(m_fingers, &FingerTracker::tapped, this,
            [this](QPointF at) { emit pressed(Qt::LeftButton, at); });
    connect(m_fingers, &FingerTracker::held, this,
            [this](QPointF at) { emit pressed(Qt::RightButton, at); });
    connect(m_fingers, &FingerTracker::ringChanged, this, [this](QPointF at) {
        update(HoldRing(pixelsPerMillimetre()).bounds(at + QPointF(innerOrigin())));
    });
}

void SurfaceView::cancelFingers()
{
    if (m_fingers != nullptr)
        m_fingers->cancel();
}

bool SurfaceView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        if (m_fingers == nullptr)
            break;
        const auto *touch = static_cast<QTouchEvent *>(event);
        m_fingers->setPixelsPerMillimetre(pixelsPerMillimetre());
        const bool taken = m_fingers->touchEvent(*touch, innerOrigin());
        if (taken && touch->touchPointStates().testFlag(QEventPoint::State::Pressed))
            takeFocusAsAPressDoes();
        event->setAccepted(taken);
        return taken;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inner(innerOrigin(), surfaceSize());
    // Smooth pixmap transform stays off: each surface pixel is drawn as a sharp block.
    const QRect dirty = event->rect() & inner;
    if (!dirty.isEmpty())
        painter.drawImage(dirty, imageOf(m_surface.image()), dirty.translated(-innerOrigin()));
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

    // Over the board's pixels, never into them: the fill and the measurement read the surface.
    if (m_fingers != nullptr) {
        painter.setClipRect(inner, Qt::IntersectClip);
        const HoldRing ring(pixelsPerMillimetre());
        for (const FingerTracker::Hold &hold : m_fingers->holds())
            ring.paint(painter, hold.at + QPointF(innerOrigin()), hold.progress);
    }
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed(event->button(), event->position() - QPointF(innerOrigin()));
}

void SurfaceView::tabletEvent(QTabletEvent *event)
{
    if (m_fingers == nullptr) {
        event->ignore();
        return;
    }
    // Accepted, moves and releases too, so that Qt makes no mouse events from the pen.
    event->accept();
    if (event->type() != QEvent::TabletPress)
        return;
    takeFocusAsAPressDoes();
    const bool eraser = event->pointerType() == QPointingDevice::PointerType::Eraser;
    emit pressed(eraser ? Qt::RightButton : event->button(),
                 event->position() - QPointF(innerOrigin()));
}

// Hidden, the board does not see its fingers lift.
void SurfaceView::hideEvent(QHideEvent *event)
{
    cancelFingers();
    QWidget::hideEvent(event);
}

qreal SurfaceView::pixelsPerMillimetre() const
{
    constexpr qreal millimetresPerInch = 25.4;
    const QScreen *shownOn = screen();
    const qreal dotsPerInch = shownOn != nullptr ? shownOn->physicalDotsPerInch() : 0;
    return (dotsPerInch > 0 && std::isfinite(dotsPerInch) ? dotsPerInch : 96) / millimetresPerInch;
}

// Qt gives the focus for a mouse press and for the touch event that starts this widget's touch
// sequence, but not for a finger that comes down while another rests here, nor for a pen.
void SurfaceView::takeFocusAsAPressDoes()
{
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
}
