#pragma once
// The values a first run (no usable settings file) starts with instead of
// reading them: extension lists, favourite folders, detected browsers,
// quick tags and web address prefixes.
#include "platform/shell_folders.h"
#include "settings/settings.h"

namespace first_run {

void BuildDocumentExtensions(std::vector<WideString>& list);
void BuildImageExtensions(std::vector<WideString>& list);
// The pictures folder, not expanded; nothing when the shell has none.
void BuildFavouriteFolders(const ShellFolders& shell, std::vector<FavouriteFolder>& list);
// Fills the tool slots from slot 0 with the browsers found under the
// program-files folder; the other slots are emptied.
void DetectBrowsers(const ShellFolders& shell, std::array<ExternalTool, Settings::kToolSlots>& tools);
void BuildQuickTags(std::array<QuickTag, Settings::kListSlots>& tags);
void BuildUrlMappings(std::array<UrlMapping, Settings::kMappingSlots>& mappings);

// All of the above.
void Build(const ShellFolders& shell, Settings& settings);

}  // namespace first_run
