#pragma once
// One open settings dialog: its pages, the working copies of the key
// bindings, and what takes effect only when the dialog closes.
// Windows-only header.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "platform/wide_string.h"
#include "settings/binding_edits.h"

struct OptionsState {
  static constexpr int kPages = 4;

  HWND dialog = nullptr;
  HWND pages[kPages] = {};
  HTREEITEM items[kPages] = {};
  int current_page = 0;
  binding_edits::BindingEdit bindings;
  bool bindings_prepared = false;
  std::int32_t pending_font_height = 0;
  std::int32_t pending_font_weight = 0;
  WideString pending_language;
  // The Send To box as it was at opening or at the last apply.
  bool send_to_baseline = false;
  // Filling the pages sends the same notifications as the user's changes.
  bool filling = true;
};
