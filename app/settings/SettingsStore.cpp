#include "app/settings/SettingsStore.h"

#include "app/settings/SettingsTable.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                     QStringLiteral("Morvane"));
}

// What the file holds for a key. An unquoted "0,85" comes back from the INI reader as a list.
QString storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

namespace SettingsStore {

void read(GameSettings &settings)
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    for (const SettingKey &key : settingKeys()) {
        const QString defaultText = QString::fromLatin1(key.defaultText);
        const QString text = storedText(store.value(QString::fromLatin1(key.key), defaultText));
        if (key.read(settings, text))
            continue;
        qWarning().noquote() << QStringLiteral("Morvane: setting %1 holds \"%2\", which is not "
                                               "valid; using the default \"%3\".")
                                    .arg(QString::fromLatin1(key.key), text, defaultText);
        key.read(settings, defaultText);
    }
}

qint16 readZoom()
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    GameSettings settings;
    for (const SettingKey &key : settingKeys()) {
        if (qstrcmp(key.key, "Zoom") != 0)
            continue;
        const QString defaultText = QString::fromLatin1(key.defaultText);
        if (!key.read(settings, storedText(store.value(QString::fromLatin1(key.key), defaultText))))
            key.read(settings, defaultText);
    }
    return settings.Zoom;
}

bool write(const GameSettings &values)
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    for (const SettingKey &key : settingKeys())
        store.setValue(QString::fromLatin1(key.key), key.write(values));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace SettingsStore
