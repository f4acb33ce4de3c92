#pragma once
// Start-up side of the catalogue: every entry read into the Settings record
// with its read rule; a first run builds the first-run values instead.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/shell_folders.h"
#include "settings/settings.h"
#include "settings/settings_reader.h"

// A language string by number; empty when the module has none.  The view
// must stay valid while the language module is loaded.
using LanguageText = std::function<std::u16string_view(std::uint32_t id)>;

// Entry 0, the language module's file name, needed before anything else.
void ReadLanguageModuleName(const SettingsReader& reader, Settings& settings);

// Every other entry.  The previous run's documents (entries 297 to 336 and
// 353) are read only when reopening is switched on.
void LoadSettings(const SettingsReader& reader, Settings& settings, const ShellFolders& shell,
                  const LanguageText& language);
