#pragma once

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Changes a window's state as a window manager does, through the platform, which reports the
// change back to the window afterwards. True once the window has been told (it may have answered
// at once, so its state may already be another).
inline bool changeStateAsTheWindowManager(QWidget &window, Qt::WindowStates state)
{
    class ToldWatch : public QObject
    {
    public:
        bool told = false;

    protected:
        bool eventFilter(QObject * /*watched*/, QEvent *event) override
        {
            // The window's own state changes are sent, not reported by the platform.
            if (event->type() == QEvent::WindowStateChange && event->spontaneous())
                told = true;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    window.windowHandle()->setWindowStates(state);
    const bool told = QTest::qWaitFor([&watch] { return watch.told; });
    window.removeEventFilter(&watch);
    return told;
}
