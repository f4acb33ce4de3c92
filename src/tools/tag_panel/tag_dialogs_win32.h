#pragma once
// The tag panel's dialogs from the language module, run modally: the
// folder's name, a tag's fields, and the confirmation before a delete.
#include <windows.h>

#include "tools/tag_library.h"

namespace tag_dialogs {

inline constexpr unsigned kFolderTemplate = 3000;
inline constexpr unsigned kTagTemplate = 3100;
inline constexpr unsigned kConfirmTemplate = 3200;

// The record is changed only by OK with a name; true then.  False for
// Cancel, a template that cannot be had, or memory running out.
bool EditFolder(HWND owner, unsigned title, TagFolder& folder);
bool EditTag(HWND owner, unsigned title, TagEntry& tag);
// True for OK.
bool Confirm(HWND owner, unsigned text);

}  // namespace tag_dialogs
