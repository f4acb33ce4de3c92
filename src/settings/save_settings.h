#pragma once
// Shutdown side of the catalogue: every entry written from the Settings
// record, in the order that fixes the order of the data runs.
#include <string_view>

#include "settings/settings.h"
#include "settings/settings_writer.h"

// Writes every entry; call only when the writer is Valid.  The frame puts
// the window placement and, when reopening is on, the snapshot of the open
// documents into `settings` first.
void SaveSettings(SettingsWriter& writer, Settings& settings);

// Create, SaveSettings, Close on the settings file at `path`; true when the
// new file took the old one's place.
bool SaveSettingsFile(std::u16string_view path, Settings& settings);
