#include <string_view>
#include <vector>

#include "settings/accelerator_table.h"
#include "base/frame_services_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/settings_location.h"
#include "platform/folder_listing.h"
#include "platform/path_text.h"
#include "platform/window_text_win32.h"
#include "settings/dialogs/number_field.h"
#include "settings/key_binding_dialog_win32.h"
#include "settings/options/language_list.h"
#include "settings/options/option_pages_win32.h"
#include "settings/options/send_to.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace general_page {
namespace {

constexpr int kSingleClickOpens = 1112, kDoubleClickOpens = 1113;
constexpr int kRightReturns = 1115, kMiddleReturns = 1116;
constexpr int kTagSingleClick = 1122, kTagDoubleClick = 1123;
constexpr int kKeyBindings = 1130;
constexpr int kSendTo = 1140;
constexpr int kLargeFont = 1151, kBoldFont = 1152;
constexpr int kLanguage = 1154;
constexpr int kHoverSwitch = 1160, kHoverDelay = 1162;
constexpr int kHoverDelayDigits = 4;
constexpr std::int32_t kLargeHeight = -14, kNormalHeight = -12;
constexpr std::int32_t kBold = 700, kNormalWeight = 400;
constexpr std::uint32_t kLanguageNameLimit = 260;

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Check(HWND page, int id, bool checked) { CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED); }
void Choose(HWND page, int first, int second, bool second_chosen) {
  CheckRadioButton(page, first, second, second_chosen ? second : first);
}

void FillLanguages(HWND page) {
  HWND box = GetDlgItem(page, kLanguage);
  const std::u16string_view folder = settings_location::FolderOf(Frame().program_path.View());
  const std::u16string_view in_use = language_module::Name().View();
  std::vector<WideString> names;
  const bool listed = language_list::Offered(HostFolderListing(), folder, in_use,
                                             [folder](std::u16string_view file) {
                                               WideString path;
                                               return path.AssignJoined(folder, file) &&
                                                      language_module::Probe(path.Text());
                                             },
                                             names);
  if (!listed) {
    names.clear();
    names.emplace_back();
    names.back().Assign(in_use);
  }
  for (const WideString& name : names) {
    const auto at = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.Text()));
    if (path_text::SameName(name.View(), in_use)) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
}

void EditBindings(HWND page, OptionsState& state) {
  Settings& settings = ProcessSettings();
  if (!state.bindings_prepared) {
    state.bindings = key_binding_dialog::PrepareEdit(settings);
    state.bindings_prepared = true;
  }
  const int mode = key_binding_dialog::EditBindings(state.dialog, state.bindings, settings,
                                                    settings.key_dialog_mouse_mode);
  if (mode < 0) return;
  settings.key_dialog_mouse_mode = mode == 1;
  if (state.bindings.keys_changed || state.bindings.mouse_changed) option_pages::MarkChanged(state);
}

}  // namespace

void Fill(HWND page, OptionsState& state, const Settings& settings) {
  Choose(page, kSingleClickOpens, kDoubleClickOpens, settings.open_by_double_click);
  Choose(page, kRightReturns, kMiddleReturns, settings.middle_button_returns_to_tree);
  Check(page, kHoverSwitch, settings.hover_switch);
  SendDlgItemMessageW(page, kHoverDelay, EM_LIMITTEXT, kHoverDelayDigits, 0);
  SetDlgItemInt(page, kHoverDelay, static_cast<UINT>(settings.hover_switch_delay), FALSE);
  Choose(page, kTagSingleClick, kTagDoubleClick, settings.tag_panel_double_click);
  Check(page, kSendTo, state.send_to_baseline);
  Check(page, kLargeFont, state.pending_font_height == kLargeHeight);
  Check(page, kBoldFont, state.pending_font_weight == kBold);
  FillLanguages(page);
}

void Apply(HWND page, OptionsState& state, Settings& settings) {
  settings.open_by_double_click = Checked(page, kDoubleClickOpens);
  settings.middle_button_returns_to_tree = Checked(page, kMiddleReturns);
  settings.hover_switch = Checked(page, kHoverSwitch);
  WideString text;
  if (window_text::Read(page, kHoverDelay, text)) {
    settings.hover_switch_delay = number_field::ReadClamped(text.View(), 0, 9999);
  }
  settings.tag_panel_double_click = Checked(page, kTagDoubleClick);
  if (state.bindings.keys_changed) {
    accelerator_table::RebuildAccelerators(state.bindings.slots);
    frame_services::RefreshTooltips();
    state.bindings.keys_changed = false;
  }
  if (state.bindings.mouse_changed) {
    settings.mouse_actions = state.bindings.mouse_actions;
    state.bindings.mouse_changed = false;
  }
  state.pending_font_height = Checked(page, kLargeFont) ? kLargeHeight : kNormalHeight;
  state.pending_font_weight = Checked(page, kBoldFont) ? kBold : kNormalWeight;
  const bool send_to = Checked(page, kSendTo);
  if (send_to != state.send_to_baseline) {
    send_to::Set(Frame().program_path.View(), send_to);
    state.send_to_baseline = send_to;
  }
  if (window_text::Read(page, kLanguage, text) && text.Length() <= kLanguageNameLimit && !text.Empty()) {
    state.pending_language = std::move(text);
  }
}

bool Command(HWND page, OptionsState& state, int id) {
  if (id != kKeyBindings) return false;
  EditBindings(page, state);
  return true;
}

}  // namespace general_page
