#include "core/settings/SettingsTable.h"

#include <doctest/doctest.h>

#include <string_view>

TEST_CASE("every key's default text converts")
{
    GameSettings settings;
    for (const SettingKey &key : settingKeys()) {
        CAPTURE(std::string_view(key.key));
        CHECK(key.read(settings, key.defaultText));
    }
    CHECK(settings.CanSearchButton);
    CHECK(settings.CanSelectButton);
    CHECK(settings.CanColorChange);
    CHECK(settings.CanOpenFile);
    CHECK_FALSE(settings.PrintModeFlag);
    CHECK_FALSE(settings.ScreenModeFlag);
    CHECK(settings.LineWidth == 1);
    CHECK(settings.PaintColor[1] == 9);
    CHECK(settings.PaintColor[2] == 12);
    CHECK(settings.Rate[0] == 0.85F);
    CHECK(settings.Rate[1] == 0.75F);
    CHECK(settings.Zoom == 100);
    CHECK_FALSE(settings.ShowSquares);
}
