#include "desktop/board/StripProgress.h"

#include "core/session/GameSession.h"
#include "desktop/board/widgets/SurfaceView.h"

#include <QLabel>

StripProgress::StripProgress(GameSession &session, SurfaceView &stripView, QLabel &label)
    : m_session(session)
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
    m_session.clearStrip();
    m_stripView.repaint();
}

void StripProgress::growBar(int column)
{
    if (!m_session.growPrintBar(column).strip)
        return;
    const QRect bar(column, 0, 3, m_stripView.height());
    m_stripView.repaint(bar.translated(m_stripView.innerOrigin()));
}
