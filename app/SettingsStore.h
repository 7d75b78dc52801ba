#pragma once

#include "app/GameSettings.h"

#include <QString>

// The per-user settings store: application "Morvane", section "Setting", as an INI file under the
// user's configuration folder (~/.config/Morvane/Morvane.ini), falling back to the system-wide
// file for keys the user has never saved.
namespace SettingsStore {

// The values the save writes; the switches come from the teacher dialog's check boxes.
struct Snapshot
{
    bool CanSearchButton = false;
    bool CanSelectButton = false;
    bool CanColorChange = false;
    bool CanOpenFile = false;
    bool PrintModeFlag = false;
    bool ScreenModeFlag = false;
    bool ThickLines = false;
    float RateYoko = 0;
    float RateTate = 0;
    qint16 PaintColorLeft = 0;
    qint16 PaintColorRight = 0;
};

// Reads the eleven keys into `settings`. A missing key takes its default. A stored text that does
// not convert, or a paint colour outside the palette, also takes the default, and one warning
// names the key and the text found.
void read(GameSettings &settings);

// Writes the eleven keys and makes sure they reached the disk. False when they did not.
bool write(const Snapshot &values);

} // namespace SettingsStore
