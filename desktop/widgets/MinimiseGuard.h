#pragma once

#include <QObject>

class QWidget;

// Brings a window straight back, shown and active, when the window manager minimises it: by a
// button it draws whatever the window's hints ask, by a shortcut, a taskbar or a request from
// another program. A school desktop may have no taskbar to fetch a window back from, and a
// minimised dialog would leave the children with no window of the game at all, since the main
// window is hidden while a dialog is open. The guard lives as a child of the window it watches.
class MinimiseGuard : public QObject
{
public:
    explicit MinimiseGuard(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restore();

    QWidget &m_window;
    bool m_restorePending = false;
};
