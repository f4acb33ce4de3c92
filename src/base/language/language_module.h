#pragma once
// The loaded language module: a resource-only library beside the program
// that holds every interface text and dialog template.  It is mapped as
// data and image resources only, so none of its code ever runs.
#include <cstdint>
#include <string_view>

#include "platform/wide_string.h"

namespace language_module {

inline constexpr std::uint32_t kStringLimit = 127;
inline constexpr std::uint32_t kLongStringLimit = 260;  // encoding and line-break names

// Loads the module named stored_name (empty: by the interface language)
// from program_folder, falling back to "English" and then "Japanese".  The
// module that loads must carry the signature; if it does not, it is
// unloaded and no other one is tried.  On success Name() is the name that
// loaded.  A module already loaded is replaced only on success.
bool Load(std::u16string_view stored_name, std::u16string_view program_folder);
// The user's choice at run time: only the module named, no fallback; on
// any failure the module in use stays and so do its texts.
bool Switch(std::u16string_view name, std::u16string_view program_folder);
void Unload();
bool Loaded();
const WideString& Name();
void* Handle();  // HMODULE, for dialogs and common-dialog templates

// Whether the library file at path carries the signature.
bool Probe(const char16_t* path);

// The language string id, at most limit units; empty when it is missing.
bool String(unsigned id, WideString& text, std::uint32_t limit = kStringLimit);
// The whole string in the module itself, valid while the module stays
// loaded; empty when it is missing.
std::u16string_view StringView(unsigned id);

}  // namespace language_module
