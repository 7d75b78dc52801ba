#pragma once

#include "core/touch/FingerRules.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <QTimer>

#include <chrono>

class QTouchEvent;

// The fingers on the play board, for Qt: reads the touch events, keeps the clock and the tick, and
// tells by signals what FingerRules says the fingers paint. A tap paints with the first side's
// colour when the finger lifts; a finger held still for HoldTime paints with the second side's
// colour at that moment, and nothing more when it lifts. Positions are board pixels.
class FingerTracker : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds HoldTime = FingerRules::HoldTime;
    static constexpr std::chrono::milliseconds RingDelay = FingerRules::RingDelay;
    static constexpr qreal PalmMillimetres = FingerRules::PalmMillimetres;
    static constexpr int PalmPoints = FingerRules::PalmPoints;

    explicit FingerTracker(QSizeF board, QObject *parent = nullptr);

    // Board pixels per millimetre of the screen, to tell a palm's contact from a fingertip's.
    void setPixelsPerMillimetre(qreal pixels) { m_rules.setPixelsPerMillimetre(pixels); }

    // Follows the points of a touch event, whose positions lie `boardOrigin` from the board's.
    // Returns false for a touch pad's points, which move the pointer instead.
    bool touchEvent(const QTouchEvent &event, QPointF boardOrigin);

    // `contact` is the size of the contact's ellipse, empty where the screen does not report it.
    void fingerDown(int id, QPointF at, QSizeF contact = {});
    void fingerMoved(int id, QPointF at);
    void fingerUp(int id, QPointF at);
    // None of the fingers down paints any more: the board or the window changed under them.
    void cancel();

    struct Hold
    {
        QPointF at;
        qreal progress; // 0 when the ring shows, 1 at the hold time
    };
    // The holds that show a ring now.
    QList<Hold> holds() const;

signals:
    void tapped(QPointF at);
    void held(QPointF at);
    // The ring of the finger that came down at `at` grew, or is gone.
    void ringChanged(QPointF at);

private:
    FingerRules::Time now() const;
    void tick();
    void tell(const FingerRules::Outcome &outcome);

    FingerRules m_rules;
    QElapsedTimer m_clock;
    // Runs while any finger may still hold: it ends the holds and grows their rings.
    QTimer m_ticks;
};
