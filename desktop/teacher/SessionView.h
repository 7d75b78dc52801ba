#pragma once

#include "core/session/Switch.h"

struct SessionChanges;

// The window that shows the game's session: the main window. The teacher dialog hands it what
// each of the teacher's changes changed, by the teacher's click or by the settings loading at
// start.
class SessionView
{
public:
    virtual void showChanges(const SessionChanges &changes) = 0;

protected:
    ~SessionView() = default;
};
