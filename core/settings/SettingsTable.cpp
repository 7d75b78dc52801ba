#include "core/settings/SettingsTable.h"

#include "core/board/Palette.h"
#include "core/settings/SettingsText.h"

namespace {

template <bool GameSettings::*Field>
constexpr SettingKey booleanKey(const char *key, const char *defaultText)
{
    return {
        key, defaultText,
        [](GameSettings &settings, std::string_view text) {
            const auto value = SettingsText::readBoolean(text);
            if (value)
                settings.*Field = *value;
            return value.has_value();
        },
        [](const GameSettings &settings) { return SettingsText::booleanText(settings.*Field); }};
}

// The thick-lines box saves "2" when ticked and "1" when not; any stored integer is read, and the
// box's reaction then makes it 1 or 2.
constexpr SettingKey lineWidthKey()
{
    return {"LineWidth", "1",
            [](GameSettings &settings, std::string_view text) {
                const auto value = SettingsText::readInteger16(text);
                if (value)
                    settings.LineWidth = *value;
                return value.has_value();
            },
            [](const GameSettings &settings) {
                return std::string(settings.LineWidth == 1 ? "1" : "2");
            }};
}

template <size_t Side> constexpr SettingKey paintColorKey(const char *key, const char *defaultText)
{
    return {key, defaultText,
            [](GameSettings &settings, std::string_view text) {
                const auto value = SettingsText::readInteger16(text);
                if (!value || *value < 0 || *value >= Palette::Count)
                    return false;
                settings.PaintColor[Side] = *value;
                return true;
            },
            [](const GameSettings &settings) { return std::to_string(settings.PaintColor[Side]); }};
}

template <size_t Direction> constexpr SettingKey rateKey(const char *key, const char *defaultText)
{
    return {key, defaultText,
            [](GameSettings &settings, std::string_view text) {
                const auto value = SettingsText::readSingle(text);
                if (value)
                    settings.Rate[Direction] = *value;
                return value.has_value();
            },
            [](const GameSettings &settings) {
                return SettingsText::generalNumber(settings.Rate[Direction]);
            }};
}

// The size is kept in percent; the store holds its factor ("1.25"), read as the rates are.
constexpr SettingKey zoomKey()
{
    return {"Zoom", "1",
            [](GameSettings &settings, std::string_view text) {
                const auto value = SettingsText::readZoom(text);
                if (value)
                    settings.Zoom = *value;
                return value.has_value();
            },
            [](const GameSettings &settings) { return SettingsText::zoomText(settings.Zoom); }};
}

} // namespace

const std::array<SettingKey, 13> &settingKeys()
{
    static const std::array<SettingKey, 13> keys = {
        booleanKey<&GameSettings::CanSearchButton>("CanSearchButton", "-1"),
        booleanKey<&GameSettings::CanSelectButton>("CanSelectButton", "-1"),
        booleanKey<&GameSettings::CanColorChange>("CanColorChange", "-1"),
        booleanKey<&GameSettings::CanOpenFile>("CanOpenFile", "-1"),
        booleanKey<&GameSettings::PrintModeFlag>("PrintModeFlag", "0"),
        booleanKey<&GameSettings::ScreenModeFlag>("ScreenModeFlag", "0"),
        lineWidthKey(),
        paintColorKey<1>("PaintColorLeft", "9"),
        paintColorKey<2>("PaintColorRight", "12"),
        rateKey<0>("RateYoko", "0.85"),
        rateKey<1>("RateTate", "0.75"),
        // Added after the eleven, which keep their order and forms, in the order they came.
        zoomKey(),
        booleanKey<&GameSettings::ShowSquares>("ShowSquares", "0"),
    };
    return keys;
}

std::vector<InvalidSetting> readSettings(GameSettings &settings, const StoredText &storedText)
{
    std::vector<InvalidSetting> invalid;
    for (const SettingKey &key : settingKeys()) {
        const std::string text = storedText(key.key).value_or(key.defaultText);
        if (key.read(settings, text))
            continue;
        invalid.push_back({key.key, text, key.defaultText});
        key.read(settings, key.defaultText);
    }
    return invalid;
}

std::vector<std::pair<std::string, std::string>> settingTexts(const GameSettings &settings)
{
    std::vector<std::pair<std::string, std::string>> texts;
    for (const SettingKey &key : settingKeys())
        texts.emplace_back(key.key, key.write(settings));
    return texts;
}
