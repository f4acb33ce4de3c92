#pragma once
// What the open and save dialogs offer and what their answers mean: the
// file-type filter, the save dialog's type and default extension by the
// document's colouring, the encoding list's choice, and the names a
// multi-selection returns.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "editor/paint/syntax_mode.h"
#include "platform/wide_string.h"

namespace file_dialog_choices {

// Encoding choice for automatic detection (the open dialog's first item).
inline constexpr int kAutomaticChoice = 7;

// The five type pairs, each "name" NUL "patterns" NUL, and the closing NUL;
// names come from the language strings.
bool BuildFilter(const std::function<std::u16string_view(unsigned)>& string, WideString& filter);

struct SaveType {
  std::uint32_t filter_index;     // 1-based, as the dialog counts
  std::u16string_view extension;  // empty: none added
};
SaveType SaveTypeFor(SyntaxMode mode);
// The default extension when the user picks another type (1-based index).
std::u16string_view ExtensionForFilter(std::uint32_t filter_index);

// The open dialog's encoding list: item 0 detects, item k is encoding k-1.
int EncodingChoice(int selected_item);

// The names of a selection buffer: one full path, or a folder followed by
// names, each NUL-terminated, ending with an empty string.  Full paths,
// in the order returned; empty when the buffer holds nothing usable.
std::vector<WideString> SelectedPaths(std::u16string_view buffer);

}  // namespace file_dialog_choices
