#include "desktop/widgets/MinimiseGuard.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

MinimiseGuard::MinimiseGuard(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
}

bool MinimiseGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::WindowStateChange &&
        m_window.isMinimized() && !m_restorePending) {
        // Restored once the state change has been handled to its end, not from inside it.
        m_restorePending = true;
        QTimer::singleShot(0, this, &MinimiseGuard::restore);
    }
    return false;
}

void MinimiseGuard::restore()
{
    m_restorePending = false;
    // A window hidden meanwhile (a dialog left by its return button) stays hidden.
    if (!m_window.isVisible() || !m_window.isMinimized())
        return;
    // Maximised stays maximised: only the minimised flag goes.
    m_window.setWindowState((m_window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_window.raise();
    m_window.activateWindow();
}
