#include "core/touch/FingerRules.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

FingerRules::FingerRules(SizeF board)
    : m_board(board)
{}

FingerRules::Outcome FingerRules::fingerDown(int id, PointF at, SizeF contact, Time now)
{
    Outcome outcome = advance(now);
    const bool palm =
        std::max(contact.width, contact.height) > PalmMillimetres * m_pixelsPerMillimetre;
    Finger &finger = m_fingers[id];
    // The front-end missed this id's lift: that finger's ring goes.
    if (finger.open)
        outcome.rings.push_back(finger.at);
    finger = {at, now, onBoard(at) && !palm};
    // So many points at once are a hand resting on the board: none of them paints, the fingers
    // already down included.
    if (m_fingers.size() >= static_cast<std::size_t>(PalmPoints)) {
        for (auto &[otherId, other] : m_fingers) {
            if (std::exchange(other.open, false))
                outcome.rings.push_back(other.at);
        }
    }
    return outcome;
}

FingerRules::Outcome FingerRules::fingerMoved(int id, PointF at, Time now)
{
    Outcome outcome = advance(now);
    const auto found = m_fingers.find(id);
    if (found == m_fingers.end() || !found->second.open || stillAt(found->second, at))
        return outcome;
    found->second.open = false;
    outcome.rings.push_back(found->second.at);
    return outcome;
}

FingerRules::Outcome FingerRules::fingerUp(int id, PointF at, Time now)
{
    Outcome outcome = advance(now);
    const auto found = m_fingers.find(id);
    if (found == m_fingers.end())
        return outcome;
    const Finger finger = found->second;
    m_fingers.erase(found);
    if (!finger.open)
        return outcome;
    outcome.rings.push_back(finger.at);
    if (stillAt(finger, at))
        outcome.paints.push_back({Paint::Kind::Tap, finger.at});
    return outcome;
}

FingerRules::Outcome FingerRules::cancel()
{
    Outcome outcome;
    for (const auto &[id, finger] : m_fingers) {
        if (finger.open)
            outcome.rings.push_back(finger.at);
    }
    m_fingers.clear();
    return outcome;
}

// Holds that came due together are painted in the order their time came, whatever their ids.
FingerRules::Outcome FingerRules::advance(Time now)
{
    Outcome outcome;
    std::vector<const Finger *> held;
    for (auto &[id, finger] : m_fingers) {
        if (!finger.open)
            continue;
        const Time elapsed = now - finger.since;
        if (elapsed >= RingDelay)
            outcome.rings.push_back(finger.at);
        if (elapsed >= HoldTime) {
            finger.open = false;
            held.push_back(&finger);
        }
    }
    std::stable_sort(held.begin(), held.end(),
                     [](const Finger *a, const Finger *b) { return a->since < b->since; });
    for (const Finger *finger : held)
        outcome.paints.push_back({Paint::Kind::Hold, finger->at});
    return outcome;
}

std::vector<FingerRules::Hold> FingerRules::holds(Time now) const
{
    constexpr auto growth = static_cast<double>((HoldTime - RingDelay).count());
    std::vector<Hold> shown;
    for (const auto &[id, finger] : m_fingers) {
        const Time grown = now - finger.since - RingDelay;
        if (finger.open && grown >= Time::zero())
            shown.push_back(
                {finger.at, std::min(1.0, static_cast<double>(grown.count()) / growth)});
    }
    return shown;
}

bool FingerRules::mayStillHold() const
{
    return std::any_of(m_fingers.begin(), m_fingers.end(),
                       [](const auto &entry) { return entry.second.open; });
}

// Floored, a position inside the board is one of its pixels.
bool FingerRules::onBoard(PointF at) const
{
    return at.x >= 0 && at.y >= 0 && at.x < m_board.width && at.y < m_board.height;
}

bool FingerRules::stillAt(const Finger &finger, PointF at) const
{
    return onBoard(at) && std::hypot(at.x - finger.at.x, at.y - finger.at.y) <= m_dragDistance;
}
