#include "platform/window_text_win32.h"

#include <algorithm>
#include <utility>

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace window_text {

bool Read(HWND window, WideString& text) {
  const int length = std::max(GetWindowTextLengthW(window), 0);
  WideString read;
  if (!read.Reserve(static_cast<std::uint32_t>(length))) return false;
  const int got = length > 0 ? GetWindowTextW(window, reinterpret_cast<wchar_t*>(read.Data()), length + 1) : 0;
  read.SetLength(static_cast<std::uint32_t>(std::clamp(got, 0, length)));
  text = std::move(read);
  return true;
}

bool Read(HWND dialog, int id, WideString& text) { return Read(GetDlgItem(dialog, id), text); }

void Show(HWND window, std::u16string_view text) {
  WideString shown;
  if (!shown.Assign(text)) return;
  SetWindowTextW(window, reinterpret_cast<const wchar_t*>(shown.Text()));
}

void Show(HWND dialog, int id, std::u16string_view text) { Show(GetDlgItem(dialog, id), text); }

}  // namespace window_text
