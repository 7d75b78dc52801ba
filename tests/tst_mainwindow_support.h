#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

// Points the settings store (user and system files) at fresh temporary folders for as long as it
// lives, so each test starts from an empty store.
class TemporarySettingsStore
{
public:
    TemporarySettingsStore()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_user.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_system.path());
    }

    void set(const QString &key, const QString &text)
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                        QStringLiteral("Morvane"));
        store.beginGroup(QStringLiteral("Setting"));
        store.setValue(key, text);
        store.endGroup();
        store.sync();
    }

private:
    QTemporaryDir m_user;
    QTemporaryDir m_system;
};

// Runs `answer` on the next modal window once it is on the screen, from inside its event loop.
inline void whenModalShown(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        if (QWidget *modal = QApplication::activeModalWidget())
            answer(modal);
        else
            whenModalShown(answer);
    });
}

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
