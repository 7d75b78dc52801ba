#pragma once

#include <QApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

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

// Collects what a widget repaints, in the widget's coordinates.
class RepaintRecorder : public QObject
{
public:
    explicit RepaintRecorder(QWidget *widget) { widget->installEventFilter(this); }

    QRegion repainted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            repainted += static_cast<QPaintEvent *>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};
