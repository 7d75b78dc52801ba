#include "desktop/touch/FingerTracker.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTouchEvent>

#include <algorithm>

namespace {

// A ring grows about as often as a screen refreshes.
constexpr std::chrono::milliseconds TickInterval{16};

PointF boardPoint(QPointF at)
{
    return {at.x(), at.y()};
}

QPointF qtPoint(PointF at)
{
    return {at.x, at.y};
}

} // namespace

FingerTracker::FingerTracker(QSizeF board, QObject *parent)
    : QObject(parent)
    , m_rules({board.width(), board.height()})
{
    m_clock.start();
    m_ticks.setInterval(TickInterval);
    m_ticks.callOnTimeout(this, &FingerTracker::tick);
}

bool FingerTracker::touchEvent(const QTouchEvent &event, QPointF boardOrigin)
{
    if (event.device()->type() != QInputDevice::DeviceType::TouchScreen)
        return false;
    if (event.type() == QEvent::TouchCancel) {
        cancel();
        return true;
    }
    for (const QEventPoint &point : event.points()) {
        const QPointF at = point.position() - boardOrigin;
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            fingerDown(point.id(), at, point.ellipseDiameters());
            break;
        case QEventPoint::State::Updated:
            fingerMoved(point.id(), at);
            break;
        case QEventPoint::State::Released:
            fingerUp(point.id(), at);
            break;
        default:
            break;
        }
    }
    return true;
}

void FingerTracker::fingerDown(int id, QPointF at, QSizeF contact)
{
    // An empty QSizeF is -1 x -1: the screen told no size.
    const SizeF size{std::max<qreal>(contact.width(), 0), std::max<qreal>(contact.height(), 0)};
    tell(m_rules.fingerDown(id, boardPoint(at), size, now()));
}

// The drag distance is the desktop's, read as the finger moves, as the desktop may change it.
void FingerTracker::fingerMoved(int id, QPointF at)
{
    m_rules.setDragDistance(QGuiApplication::styleHints()->startDragDistance());
    tell(m_rules.fingerMoved(id, boardPoint(at), now()));
}

void FingerTracker::fingerUp(int id, QPointF at)
{
    m_rules.setDragDistance(QGuiApplication::styleHints()->startDragDistance());
    tell(m_rules.fingerUp(id, boardPoint(at), now()));
}

void FingerTracker::cancel()
{
    tell(m_rules.cancel());
}

QList<FingerTracker::Hold> FingerTracker::holds() const
{
    QList<Hold> shown;
    for (const FingerRules::Hold &hold : m_rules.holds(now()))
        shown.append({qtPoint(hold.at), hold.progress});
    return shown;
}

FingerRules::Time FingerTracker::now() const
{
    return FingerRules::Time{m_clock.elapsed()};
}

void FingerTracker::tick()
{
    tell(m_rules.advance(now()));
}

// The tick runs only while a finger may still hold. The signals go out last, from the outcome the
// call returned: painting a hold may run anything, even cancel().
void FingerTracker::tell(const FingerRules::Outcome &outcome)
{
    if (!m_rules.mayStillHold())
        m_ticks.stop();
    else if (!m_ticks.isActive())
        m_ticks.start();
    for (PointF at : outcome.rings)
        emit ringChanged(qtPoint(at));
    for (const FingerRules::Paint &paint : outcome.paints) {
        if (paint.kind == FingerRules::Paint::Kind::Tap)
            emit tapped(qtPoint(paint.at));
        else
            emit held(qtPoint(paint.at));
    }
}
