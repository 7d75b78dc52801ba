#pragma once

#include "app/settings/GameSettings.h"

#include <QString>
#include <QStringView>

#include <array>

// One persisted key of section "Setting": its default text, how its text fills its field of the
// settings record, and the text the save writes from that field.
struct SettingKey
{
    const char *key;
    const char *defaultText;
    // Converts `text` and stores it into the key's field; false, storing nothing, when the text
    // does not convert or is out of the field's range.
    bool (*read)(GameSettings &settings, QStringView text);
    QString (*write)(const GameSettings &settings);
};

// The thirteen keys in the order in which they are read at start.
const std::array<SettingKey, 13> &settingKeys();
