#include "desktop/touch/FingerTracker.h"

#include <QGuiApplication>
#include <QLineF>
#include <QStyleHints>
#include <QTouchEvent>

#include <algorithm>
#include <utility>

namespace {

// A ring grows about as often as a screen refreshes.
constexpr std::chrono::milliseconds TickInterval{16};

} // namespace

FingerTracker::FingerTracker(QSizeF board, QObject *parent)
    : QObject(parent)
    , m_board(board)
{
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
    const bool palm =
        std::max(contact.width(), contact.height()) > PalmMillimetres * m_pixelsPerMillimetre;
    Finger &finger = m_fingers[id];
    finger.at = at;
    finger.since.start();
    finger.open = onBoard(at) && !palm;
    // So many points at once are a hand resting on the board: none of them paints.
    if (m_fingers.size() >= PalmPoints) {
        QList<QPointF> closed;
        for (auto &[otherId, other] : m_fingers) {
            if (std::exchange(other.open, false))
                closed.append(other.at);
        }
        for (QPointF ringAt : closed)
            emit ringChanged(ringAt);
    }
    if (finger.open && !m_ticks.isActive())
        m_ticks.start();
}

void FingerTracker::fingerMoved(int id, QPointF at)
{
    const auto found = m_fingers.find(id);
    if (found == m_fingers.end() || !found->second.open || stillAt(found->second, at))
        return;
    found->second.open = false;
    emit ringChanged(found->second.at);
}

void FingerTracker::fingerUp(int id, QPointF at)
{
    const auto found = m_fingers.find(id);
    if (found == m_fingers.end())
        return;
    const Finger finger = found->second;
    m_fingers.erase(found);
    if (!finger.open)
        return;
    emit ringChanged(finger.at);
    if (stillAt(finger, at))
        emit tapped(finger.at);
}

void FingerTracker::cancel()
{
    const std::map<int, Finger> fingers = std::exchange(m_fingers, {});
    m_ticks.stop();
    for (const auto &[id, finger] : fingers) {
        if (finger.open)
            emit ringChanged(finger.at);
    }
}

QList<FingerTracker::Hold> FingerTracker::holds() const
{
    constexpr auto growth = static_cast<qreal>((HoldTime - RingDelay).count());
    QList<Hold> shown;
    for (const auto &[id, finger] : m_fingers) {
        const qint64 grown = finger.since.elapsed() - RingDelay.count();
        if (finger.open && grown >= 0)
            shown.append({finger.at, std::min(1.0, static_cast<qreal>(grown) / growth)});
    }
    return shown;
}

// Floored, a position inside the board is one of its pixels.
bool FingerTracker::onBoard(QPointF at) const
{
    return at.x() >= 0 && at.y() >= 0 && at.x() < m_board.width() && at.y() < m_board.height();
}

bool FingerTracker::stillAt(const Finger &finger, QPointF at) const
{
    const int dragDistance = QGuiApplication::styleHints()->startDragDistance();
    return onBoard(at) && QLineF(finger.at, at).length() <= dragDistance;
}

// Signals go out after the loop over the fingers: painting a hold may run anything, even cancel().
void FingerTracker::tick()
{
    QList<QPointF> rings;
    QList<QPointF> heldAt;
    for (auto &[id, finger] : m_fingers) {
        if (!finger.open)
            continue;
        const qint64 elapsed = finger.since.elapsed();
        if (elapsed >= HoldTime.count()) {
            finger.open = false;
            heldAt.append(finger.at);
        }
        if (elapsed >= RingDelay.count())
            rings.append(finger.at);
    }
    if (std::none_of(m_fingers.begin(), m_fingers.end(),
                     [](const auto &entry) { return entry.second.open; }))
        m_ticks.stop();
    for (QPointF at : rings)
        emit ringChanged(at);
    for (QPointF at : heldAt)
        emit held(at);
}
