#pragma once

#include "app/GameSettings.h"

#include <QStringView>

#include <array>

// One persisted key of section "Setting": its default text and how its text fills its field.
struct SettingKey
{
    const char *key;
    const char *defaultText;
    // Converts `text` and stores it into the key's field; false, storing nothing, when the text
    // does not convert or is out of the field's range.
    bool (*store)(GameSettings &settings, QStringView text);
};

// The eleven keys in the order in which they are read at start.
const std::array<SettingKey, 11> &settingKeys();
