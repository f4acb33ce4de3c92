#include "settings/options/option_pages_win32.h"

#include "platform/highlight_box_win32.h"

namespace option_pages {
namespace {

constexpr int kApply = 1002;
constexpr int kFirstToolPath = 1360;
constexpr COLORREF kToolPathColour = RGB(0, 80, 160);

enum Page { kGeneral, kEditing, kTools, kMappings };

OptionsState& StateOf(HWND page) { return *reinterpret_cast<OptionsState*>(GetWindowLongPtrW(page, DWLP_USER)); }

bool IsChoice(HWND control) {
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX || type == BS_RADIOBUTTON;
}

bool IsChange(HWND control, int code) {
  return code == EN_CHANGE || code == CBN_SELCHANGE || (code == BN_CLICKED && IsChoice(control));
}

void DrawActionButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  highlight_box::Draw(dc, area);
  wchar_t text[64] = {};
  GetWindowTextW(item.hwndItem, text, 64);
  if (item.itemState & ODS_SELECTED) OffsetRect(&area, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

bool IsToolPath(HWND control) {
  const int id = GetDlgCtrlID(control);
  return id >= kFirstToolPath && id < kFirstToolPath + Settings::kToolSlots;
}

bool Command(HWND page, OptionsState& state, int id, int code) {
  if (page == state.pages[kGeneral]) return code == BN_CLICKED && general_page::Command(page, state, id);
  if (page == state.pages[kEditing]) return editing_page::Command(page, state, id, code);
  return code == BN_CLICKED && program_pages::Command(page, id);
}

}  // namespace

INT_PTR CALLBACK Procedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(page, DWLP_USER, lparam);
      return FALSE;
    case WM_COMMAND: {
      if (!GetWindowLongPtrW(page, DWLP_USER)) return FALSE;
      OptionsState& state = StateOf(page);
      const int id = LOWORD(wparam), code = HIWORD(wparam);
      HWND control = reinterpret_cast<HWND>(lparam);
      if (!Command(page, state, id, code) && control && IsChange(control, code)) MarkChanged(state);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlType != ODT_BUTTON) return FALSE;
      DrawActionButton(item);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
      if (!IsToolPath(reinterpret_cast<HWND>(lparam))) return FALSE;
      SetTextColor(reinterpret_cast<HDC>(wparam), kToolPathColour);
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
  }
  return FALSE;
}

void Fill(OptionsState& state, const Settings& settings) {
  state.filling = true;
  general_page::Fill(state.pages[kGeneral], state, settings);
  editing_page::Fill(state.pages[kEditing], settings);
  program_pages::FillTools(state.pages[kTools], settings);
  program_pages::FillMappings(state.pages[kMappings], settings);
  state.filling = false;
}

void Apply(OptionsState& state, Settings& settings) {
  general_page::Apply(state.pages[kGeneral], state, settings);
  editing_page::Apply(state.pages[kEditing], settings);
  program_pages::ApplyTools(state.pages[kTools], settings);
  program_pages::ApplyMappings(state.pages[kMappings], settings);
  settings.options_page = state.current_page;
}

void MarkChanged(OptionsState& state) {
  if (!state.filling) EnableWindow(GetDlgItem(state.dialog, kApply), TRUE);
}

}  // namespace option_pages
