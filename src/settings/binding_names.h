#pragma once
// The names of the binding slots in the key-binding dialog: the menu titles
// above the command and its own name, joined with " - ".
#include "platform/wide_string.h"
#include "settings/load_settings.h"
#include "settings/settings.h"

namespace binding_names {

inline constexpr unsigned kUnnamedQuickTag = 20509;  // "(Quick tag", completed by " k)"
inline constexpr unsigned kUnnamedTool = 20510;
inline constexpr unsigned kFirstMouseActionName = 20608;

// Quick tags and tools are named by their labels, or by the placeholder
// and their number from 1 when a label is empty.
bool DisplayName(int slot, const Settings& settings, const LanguageText& language, WideString& name);

}  // namespace binding_names
