#pragma once

#include "core/board/Geometry.h"

#include <chrono>
#include <map>
#include <vector>

// Follows the fingers on the play board, each by its touch id, and says what they paint. A tap
// paints with the first side's colour when the finger lifts; a finger held still for HoldTime
// paints with the second side's colour at that moment, and nothing more when it lifts. A finger
// paints nothing once it has moved more than the drag distance or left the board, nor when it is
// part of a palm: a contact wider than PalmMillimetres, or PalmPoints points down at once. A
// painting finger is always told by the point where it came down. Positions are board pixels.
//
// Nothing here keeps time or waits: every call is told `now`, in milliseconds since an origin the
// front-end keeps to, and decides from it alone. A hold whose time has come is painted by the first
// call told a time at or after it: advance() on the front-end's tick, or the move, lift or new
// finger that comes first. So a finger lifted or dragged away after its hold time, before the tick
// that would have ended its hold, has held all the same. The front-end ticks while mayStillHold(),
// about as often as the screen refreshes, for the rings to grow.
class FingerRules
{
public:
    using Time = std::chrono::milliseconds;

    // Long enough that a child's slow tap stays a tap, short enough not to feel like waiting.
    static constexpr Time HoldTime{600};
    // The hold's ring shows from then on, so that a quick tap does not flash one.
    static constexpr Time RingDelay{150};
    static constexpr double PalmMillimetres = 30;
    static constexpr int PalmPoints = 4;
    // The desktop's usual distance before a press becomes a drag.
    static constexpr double DefaultDragDistance = 10;

    struct Paint
    {
        enum class Kind { Tap, Hold };
        Kind kind;
        PointF at; // where the finger came down

        friend bool operator==(const Paint &, const Paint &) = default;
    };

    // What a call brought about, for the front-end to paint and to show.
    struct [[nodiscard]] Outcome
    {
        std::vector<Paint> paints; // in the order they happened
        // Where the fingers came down whose ring may have shown, grown or gone: what to repaint.
        std::vector<PointF> rings;

        bool ringsChanged() const { return !rings.empty(); }
    };

    struct Hold
    {
        PointF at;
        double progress; // 0 when the ring shows, 1 at the hold time
    };

    // The board reaches from (0, 0) to `board`, that corner left out.
    explicit FingerRules(SizeF board);

    // Board pixels per millimetre of the screen, to tell a palm's contact from a fingertip's. More
    // than 0; the front-end knows the screen.
    void setPixelsPerMillimetre(double pixels) { m_pixelsPerMillimetre = pixels; }
    // How far a finger may move, in board pixels, and still tap or hold: the desktop's distance
    // before a press becomes a drag. Not negative.
    void setDragDistance(double pixels) { m_dragDistance = pixels; }

    // `contact` is the size of the contact's ellipse, 0 where the screen does not report it.
    Outcome fingerDown(int id, PointF at, SizeF contact, Time now);
    Outcome fingerMoved(int id, PointF at, Time now);
    Outcome fingerUp(int id, PointF at, Time now);
    // None of the fingers down paints any more: the board or the window changed under them. A hold
    // whose time has come but that no call has painted yet is dropped too: the board it was meant
    // for may already be gone.
    Outcome cancel();
    // Paints the holds whose time has come, and grows the rings.
    Outcome advance(Time now);

    // The holds that show a ring at `now`. A hold whose time has come but that advance() has not
    // yet painted shows a full ring.
    std::vector<Hold> holds(Time now) const;
    // Whether any finger down may still tap or hold: only then does the front-end need its tick.
    bool mayStillHold() const;

private:
    struct Finger
    {
        PointF at;
        Time since{0};
        bool open = false; // may still tap or hold
    };

    bool onBoard(PointF at) const;
    bool stillAt(const Finger &finger, PointF at) const;

    SizeF m_board;
    double m_pixelsPerMillimetre = 96 / 25.4;
    double m_dragDistance = DefaultDragDistance;
    std::map<int, Finger> m_fingers;
};
