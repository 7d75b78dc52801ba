#pragma once

#include "core/session/GameSession.h"
#include "desktop/teacher/SessionView.h"

#include <QList>

// Stands in for the main window under the teacher dialog: notes every change it is told to show.
class RecordedChanges : public SessionView
{
public:
    void showChanges(const SessionChanges &changes) override { shown.append(changes); }

    // How many changes it was told of that change what the children may use.
    int controlChanges() const
    {
        return static_cast<int>(std::count_if(shown.begin(), shown.end(),
                                              [](const SessionChanges &c) { return c.controls; }));
    }

    QList<SessionChanges> shown;
};
