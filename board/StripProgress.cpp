#include "board/StripProgress.h"

#include "board/raster/Palette.h"
#include "board/raster/Surface.h"
#include "board/widgets/SurfaceView.h"

#include <QLabel>

namespace {

constexpr int ProgressGrey = 8;

} // namespace

StripProgress::StripProgress(Surface &strip, SurfaceView &stripView, QLabel &label)
    : m_strip(strip)
    , m_stripView(stripView)
    , m_label(label)
{}

void StripProgress::showStatus(const QString &text)
{
    m_label.setText(text);
    m_label.show();
    m_label.repaint();
}

void StripProgress::hideStatus()
{
    m_label.hide();
}

void StripProgress::clearBar()
{
    m_strip.clearPicture();
    m_stripView.repaint();
}

void StripProgress::growBar(int column)
{
    if (column >= m_strip.ScaleWidth())
        return;
    const int height = m_stripView.height();
    m_strip.filledBox(column, 0, column + 2, height, Palette::color(ProgressGrey));
    const QRect bar(column, 0, 3, height);
    m_stripView.repaint(bar.translated(m_stripView.innerOrigin()));
}
