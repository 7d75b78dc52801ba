#include "desktop/settings/SettingsStore.h"

#include "core/settings/SettingsTable.h"

#include <QDebug>

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

namespace {

// Reads the key from the open group "Setting", or nothing where the store has no such key.
StoredText storedTextIn(const QSettings &store)
{
    return [&store](std::string_view key) -> std::optional<std::string> {
        const QString name = QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
        if (!store.contains(name))
            return std::nullopt;
        return storedText(store.value(name)).toStdString();
    };
}

} // namespace

void read(GameSettings &settings)
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    for (const InvalidSetting &invalid : readSettings(settings, storedTextIn(store))) {
        qWarning().noquote() << QStringLiteral("Morvane: setting %1 holds \"%2\", which is not "
                                               "valid; using the default \"%3\".")
                                    .arg(QString::fromStdString(invalid.key),
                                         QString::fromStdString(invalid.text),
                                         QString::fromStdString(invalid.defaultText));
    }
}

std::int16_t readZoom()
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    GameSettings settings;
    readSettings(settings, storedTextIn(store));
    return settings.Zoom;
}

bool write(const GameSettings &values)
{
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    for (const auto &[key, text] : settingTexts(values))
        store.setValue(QString::fromStdString(key), QString::fromStdString(text));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace SettingsStore
