#pragma once

#include "board/print/PrintProgress.h"

class QLabel;
class Surface;
class SurfaceView;

// The colour copy's progress on the main window: the status label under the graph strip, and a
// grey bar growing along the strip, which is emptied before and after.
class StripProgress : public PrintProgress
{
public:
    StripProgress(Surface &strip, SurfaceView &stripView, QLabel &label);

    void showStatus(const QString &text) override;
    void hideStatus() override;
    void clearBar() override;
    // The bar after column `column`: from there to column + 2 over the strip view's whole outer
    // height, so it covers the inner strip from top to bottom; the part beyond the strip is cut.
    // The page is wider than the strip, so the bar stops growing before the last columns.
    void growBar(int column) override;

private:
    Surface &m_strip;
    SurfaceView &m_stripView;
    QLabel &m_label;
};
