#pragma once

#include "desktop/teacher/SwitchTarget.h"

#include <QList>
#include <QPair>

// Stands in for the main window under the teacher dialog: notes every switch change it is told.
class RecordedSwitches : public SwitchTarget
{
public:
    void switchChanged(Switch which, bool on) override { changes.append({which, on}); }

    QList<QPair<Switch, bool>> changes;
};
