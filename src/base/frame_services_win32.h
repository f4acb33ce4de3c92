#pragma once
// What the panes, bars and dialogs ask of the rooms above them (the frame,
// and the tools for the settings dialog).  The frame fills the table in
// when its main window is made, so that no lower room includes a higher
// one; until then every service does nothing.  Windows only.
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace frame_services {

struct Services {
  // A pane's context menu (a popup of the menu tables) owned by owner.
  std::uint16_t (*choose_from_context_menu)(int popup, POINT screen, HWND owner) = nullptr;
  bool (*handle_menu_message)(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = nullptr;
  void (*focus_active_document)() = nullptr;
  std::int32_t (*tab_row_height)() = nullptr;
  bool (*open_document)(std::u16string_view path) = nullptr;
  void (*apply_font_and_language)() = nullptr;
  void (*refill_file_list)() = nullptr;
  void (*refresh_tooltips)() = nullptr;
  void (*select_in_active_line)(std::int32_t line, std::int32_t start, std::int32_t end) = nullptr;
  void (*show_status_message)(std::u16string_view text) = nullptr;
};

void Set(const Services& services);

// The chosen command, 0 when the menu was dismissed.
std::uint16_t ChooseFromContextMenu(int popup, POINT screen, HWND owner);
// The owner-drawn items' and popups' messages at a pane's base; true when
// handled.
bool HandleMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
void FocusActiveDocument();
std::int32_t TabRowHeight();
// Opens path as a document, as if named from outside; false when it failed.
bool OpenDocument(std::u16string_view path);
void ApplyFontAndLanguage();
void RefillFileList();
void RefreshTooltips();
// Selects columns start..end of a line of the active document (clamped to
// its text) and shows them.
void SelectInActiveLine(std::int32_t line, std::int32_t start, std::int32_t end);
// A message in the status bar's first part; empty clears it.
void ShowStatusMessage(std::u16string_view text);

}  // namespace frame_services
