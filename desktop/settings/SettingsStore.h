#pragma once

#include "core/settings/GameSettings.h"

#include <cstdint>

// The per-user settings store: application "Morvane", section "Setting", as an INI file under the
// user's configuration folder (~/.config/Morvane/Morvane.ini), falling back to the system-wide
// file for keys the user has never saved.
namespace SettingsStore {

// Reads the twelve keys into `settings`. A missing key takes its default. A stored text that does
// not convert, or a paint colour outside the palette, also takes the default, and one warning
// names the key and the text found.
void read(GameSettings &settings);

// The stored size (Zoom), in percent, for the start-up before the application object exists.
// Quiet: read() gives the warning about a text that is not a size, once, as for every key.
std::int16_t readZoom();

// Writes the twelve keys from `values` and makes sure they reached the disk. False when they did
// not.
bool write(const GameSettings &values);

} // namespace SettingsStore
