#include "base/frame_services_win32.h"

namespace frame_services {
namespace {

Services table;

}  // namespace

void Set(const Services& services) { table = services; }

std::uint16_t ChooseFromContextMenu(int popup, POINT screen, HWND owner) {
  return table.choose_from_context_menu ? table.choose_from_context_menu(popup, screen, owner) : 0;
}

bool HandleMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  return table.handle_menu_message && table.handle_menu_message(window, message, wparam, lparam, result);
}

void FocusActiveDocument() {
  if (table.focus_active_document) table.focus_active_document();
}

std::int32_t TabRowHeight() { return table.tab_row_height ? table.tab_row_height() : 0; }

bool OpenDocument(std::u16string_view path) { return table.open_document && table.open_document(path); }

void ApplyFontAndLanguage() {
  if (table.apply_font_and_language) table.apply_font_and_language();
}

void RefillFileList() {
  if (table.refill_file_list) table.refill_file_list();
}

void RefreshTooltips() {
  if (table.refresh_tooltips) table.refresh_tooltips();
}

void SelectInActiveLine(std::int32_t line, std::int32_t start, std::int32_t end) {
  if (table.select_in_active_line) table.select_in_active_line(line, start, end);
}

void ShowStatusMessage(std::u16string_view text) {
  if (table.show_status_message) table.show_status_message(text);
}

}  // namespace frame_services
