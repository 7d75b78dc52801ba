#pragma once

#include "core/settings/GameSettings.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One persisted key of section "Setting": its default text, how its text fills its field of the
// settings record, and the text the save writes from that field.
struct SettingKey
{
    const char *key;
    const char *defaultText;
    // Converts `text` and stores it into the key's field; false, storing nothing, when the text
    // does not convert or is out of the field's range.
    bool (*read)(GameSettings &settings, std::string_view text);
    std::string (*write)(const GameSettings &settings);
};

// The thirteen keys in the order in which they are read at start.
const std::array<SettingKey, 13> &settingKeys();

// What the store holds for a key, or nullopt when it holds nothing.
using StoredText = std::function<std::optional<std::string>(std::string_view key)>;

// A stored text that did not convert; its key took the default instead.
struct InvalidSetting
{
    std::string key;
    std::string text;
    std::string defaultText;
};

// Reads every key, in the table's order, into `settings`: a missing key takes its default, and so
// does a text that does not convert or is out of range, which is reported.
std::vector<InvalidSetting> readSettings(GameSettings &settings, const StoredText &storedText);

// Every key with the text a save writes for it, in the table's order.
std::vector<std::pair<std::string, std::string>> settingTexts(const GameSettings &settings);
