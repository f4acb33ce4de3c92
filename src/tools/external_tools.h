#pragma once
// What the external programs are started with: the parameter text of a
// program slot for the active document, and where the help file lies.
#include <array>
#include <string_view>

#include "platform/wide_string.h"
#include "settings/settings.h"

namespace external_tools {

using UrlMappings = std::array<UrlMapping, Settings::kMappingSlots>;

// The slot's options, then (for a document with a path) a space when there
// are options and the quoted argument: the document's path, or with the
// slot's mappings on, the address the first matching mapping gives it. A
// mapping takes part when enabled and given a folder; its folder is taken
// as ending in "\" even when typed without one. False when memory ran out.
bool ParameterText(const ExternalTool& tool, std::u16string_view document_path, const UrlMappings& mappings,
                   WideString& parameters);

// The program's path with ".chm" for its extension.
bool HelpPath(std::u16string_view program_path, WideString& help_path);

}  // namespace external_tools
