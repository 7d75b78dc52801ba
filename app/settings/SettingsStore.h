#pragma once

#include "app/settings/GameSettings.h"

#include <QString>

// The per-user settings store: application "Morvane", section "Setting", as an INI file under the
// user's configuration folder (~/.config/Morvane/Morvane.ini), falling back to the system-wide
// file for keys the user has never saved.
namespace SettingsStore {

// Reads the eleven keys into `settings`. A missing key takes its default. A stored text that does
// not convert, or a paint colour outside the palette, also takes the default, and one warning
// names the key and the text found.
void read(GameSettings &settings);

// Writes the eleven keys from `values` and makes sure they reached the disk. False when they did
// not.
bool write(const GameSettings &values);

} // namespace SettingsStore
