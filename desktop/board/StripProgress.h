#pragma once

#include "desktop/print/PrintProgress.h"

class GameSession;
class QLabel;
class SurfaceView;

// The colour copy's progress on the main window: the status label under the graph strip, and a
// grey bar growing along the strip, which is emptied before and after.
class StripProgress : public PrintProgress
{
public:
    StripProgress(GameSession &session, SurfaceView &stripView, QLabel &label);

    void showStatus(const QString &text) override;
    void hideStatus() override;
    void clearBar() override;
    // The bar after column `column`, three columns wide over the whole strip. The page is wider
    // than the strip, so the bar stops growing before the last columns.
    void growBar(int column) override;

private:
    GameSession &m_session;
    SurfaceView &m_stripView;
    QLabel &m_label;
};
