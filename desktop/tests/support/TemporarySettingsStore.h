#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

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

    // Stores `text` under `key` of section "Setting", as a saved or hand-edited file holds it.
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
