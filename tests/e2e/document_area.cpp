#include "e2e/document_area.h"

#include <commctrl.h>

#include "e2e/remote_block.h"

namespace e2e {
namespace {

constexpr int kTabStripId = 421;
constexpr int kStatusBarId = 422;
constexpr std::size_t kTextUnits = 1024;

BOOL CALLBACK FindArea(HWND window, LPARAM lparam) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"Vorndel_mbase_class") return TRUE;
  *reinterpret_cast<HWND*>(lparam) = window;
  return FALSE;
}

HWND AreaChild(HWND main_window, int id) {
  HWND area = nullptr;
  EnumChildWindows(main_window, FindArea, reinterpret_cast<LPARAM>(&area));
  return area ? GetDlgItem(area, id) : nullptr;
}

std::wstring RemoteText(const RemoteBlock& block, std::size_t offset) { return block.Text(offset, kTextUnits); }

}  // namespace

HWND TabStrip(HWND main_window) { return AreaChild(main_window, kTabStripId); }

std::vector<std::wstring> TabTexts(HWND main_window) {
  HWND tabs = TabStrip(main_window);
  std::vector<std::wstring> texts;
  if (!tabs) return texts;
  RemoteBlock block(tabs, sizeof(TCITEMW) + kTextUnits * sizeof(wchar_t));
  if (!block.Valid()) return texts;
  const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof(TCITEMW)));
    item.cchTextMax = static_cast<int>(kTextUnits);
    const wchar_t nothing = 0;
    block.Write(sizeof(TCITEMW), &nothing, sizeof nothing);
    block.Write(0, &item, sizeof item);
    SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(block.At(0)));
    texts.push_back(RemoteText(block, sizeof(TCITEMW)));
  }
  return texts;
}

int SelectedTab(HWND main_window) {
  HWND tabs = TabStrip(main_window);
  return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

std::wstring StatusText(HWND main_window, int part) {
  HWND status = AreaChild(main_window, kStatusBarId);
  if (!status) return {};
  RemoteBlock block(status, kTextUnits * sizeof(wchar_t));
  if (!block.Valid()) return {};
  SendMessageW(status, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(block.At(0)));
  return RemoteText(block, 0);
}

POINT CloseBoxCentre(HWND main_window, int index) {
  HWND tabs = TabStrip(main_window);
  RemoteBlock block(tabs, sizeof(RECT));
  RECT rect = {};
  if (block.Valid()) {
    SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.At(0)));
    block.Read(0, &rect, sizeof rect);
  }
  // The box: 11 pixels square, its right edge 4 pixels inside the tab's.
  return {rect.right - 4 - 6, (rect.top + rect.bottom) / 2};
}

bool WaitForTabs(HWND main_window, const std::vector<std::wstring>& expected, DWORD timeout_ms) {
  return WaitUntil(timeout_ms, [&] { return TabTexts(main_window) == expected; });
}

void Answer(HWND box, int button) { PostMessageW(box, WM_COMMAND, button, 0); }

bool CloseDiscarding(Program& program, HWND main_window) {
  PostMessageW(main_window, WM_CLOSE, 0, 0);
  // The wait starts again at each prompt: a box takes seconds to go under
  // Xvfb without a window manager, and many documents may each ask.
  for (int prompts = 0; prompts < 100; ++prompts) {
    MessageBoxSeen seen;
    bool asked = false;
    WaitUntil(kExitTimeoutMs, [&] {
      asked = WaitMessageBox(program.Id(), 0, seen);
      return asked || !program.Running();
    });
    if (!asked) break;
    AnswerAndWait(seen.box, IDNO);
  }
  DWORD code = 99;
  return program.WaitExit(kExitTimeoutMs, code) && code == 0;
}

}  // namespace e2e
