#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <QTimer>

#include <chrono>
#include <map>

class QTouchEvent;

// Follows the fingers on the play board, each by its touch id, and says what they paint. A tap
// paints with the first side's colour when the finger lifts; a finger held still for HoldTime
// paints with the second side's colour at that moment, and nothing more when it lifts. A finger
// paints nothing once it has moved more than the drag distance or left the board, nor when it is
// part of a palm: a contact wider than PalmMillimetres, or PalmPoints points down at once. A
// painting finger is always told by the point where it came down. Positions are board pixels.
class FingerTracker : public QObject
{
    Q_OBJECT

public:
    // Long enough that a child's slow tap stays a tap, short enough not to feel like waiting.
    static constexpr std::chrono::milliseconds HoldTime{600};
    // The hold's ring shows from then on, so that a quick tap does not flash one.
    static constexpr std::chrono::milliseconds RingDelay{150};
    static constexpr qreal PalmMillimetres = 30;
    static constexpr int PalmPoints = 4;

    explicit FingerTracker(QSizeF board, QObject *parent = nullptr);

    // Board pixels per millimetre of the screen, to tell a palm's contact from a fingertip's.
    void setPixelsPerMillimetre(qreal pixels) { m_pixelsPerMillimetre = pixels; }

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
    struct Finger
    {
        QPointF at;
        QElapsedTimer since;
        bool open; // may still tap or hold
    };

    bool onBoard(QPointF at) const;
    bool stillAt(const Finger &finger, QPointF at) const;
    void tick();

    QSizeF m_board;
    qreal m_pixelsPerMillimetre = 96 / 25.4;
    std::map<int, Finger> m_fingers;
    // One timer for every hold while any finger may still hold: it ends the holds and grows
    // their rings.
    QTimer m_ticks;
};
