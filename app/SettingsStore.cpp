#include "app/SettingsStore.h"

#include "app/SettingsKeys.h"
#include "app/SettingsText.h"

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
        if (key.store(settings, text))
            continue;
        qWarning().noquote() << QStringLiteral("Morvane: setting %1 holds \"%2\", which is not "
                                               "valid; using the default \"%3\".")
                                    .arg(QString::fromLatin1(key.key), text, defaultText);
        key.store(settings, defaultText);
    }
}

bool write(const Snapshot &values)
{
    using SettingsText::booleanText;
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("Setting"));
    const std::pair<const char *, QString> entries[] = {
        {"CanSearchButton", booleanText(values.CanSearchButton)},
        {"CanSelectButton", booleanText(values.CanSelectButton)},
        {"CanColorChange", booleanText(values.CanColorChange)},
        {"CanOpenFile", booleanText(values.CanOpenFile)},
        {"PrintModeFlag", booleanText(values.PrintModeFlag)},
        {"ScreenModeFlag", booleanText(values.ScreenModeFlag)},
        {"LineWidth", values.ThickLines ? QStringLiteral("2") : QStringLiteral("1")},
        {"RateYoko", SettingsText::generalNumber(values.RateYoko)},
        {"RateTate", SettingsText::generalNumber(values.RateTate)},
        {"PaintColorLeft", QString::number(values.PaintColorLeft)},
        {"PaintColorRight", QString::number(values.PaintColorRight)},
    };
    for (const auto &[key, text] : entries)
        store.setValue(QString::fromLatin1(key), text);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace SettingsStore
