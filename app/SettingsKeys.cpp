#include "app/SettingsKeys.h"

#include "app/SettingsText.h"
#include "board/Palette.h"

namespace {

template <bool GameSettings::*Field> bool storeBoolean(GameSettings &settings, QStringView text)
{
    const auto value = SettingsText::readBoolean(text);
    if (value)
        settings.*Field = *value;
    return value.has_value();
}

bool storeLineWidth(GameSettings &settings, QStringView text)
{
    const auto value = SettingsText::readInteger16(text);
    if (value)
        settings.LineWidth = *value;
    return value.has_value();
}

template <int Side> bool storePaintColor(GameSettings &settings, QStringView text)
{
    const auto value = SettingsText::readInteger16(text);
    if (!value || *value < 0 || *value >= Palette::Count)
        return false;
    settings.PaintColor[Side] = *value;
    return true;
}

template <int Direction> bool storeRate(GameSettings &settings, QStringView text)
{
    const auto value = SettingsText::readSingle(text);
    if (value)
        settings.Rate[Direction] = *value;
    return value.has_value();
}

} // namespace

const std::array<SettingKey, 11> &settingKeys()
{
    static const std::array<SettingKey, 11> keys = {{
        {"CanSearchButton", "-1", storeBoolean<&GameSettings::CanSearchButton>},
        {"CanSelectButton", "-1", storeBoolean<&GameSettings::CanSelectButton>},
        {"CanColorChange", "-1", storeBoolean<&GameSettings::CanColorChange>},
        {"CanOpenFile", "-1", storeBoolean<&GameSettings::CanOpenFile>},
        {"PrintModeFlag", "0", storeBoolean<&GameSettings::PrintModeFlag>},
        {"ScreenModeFlag", "0", storeBoolean<&GameSettings::ScreenModeFlag>},
        {"LineWidth", "1", storeLineWidth},
        {"PaintColorLeft", "9", storePaintColor<1>},
        {"PaintColorRight", "12", storePaintColor<2>},
        {"RateYoko", "0.85", storeRate<0>},
        {"RateTate", "0.75", storeRate<1>},
    }};
    return keys;
}
