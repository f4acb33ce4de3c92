#include "base/language/error_box.h"

#include <windows.h>

#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/language/string_ids.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace error_box {
namespace {
constexpr UINT kStyle = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;
const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
}  // namespace

void ShowFixed(const char16_t* text) { MessageBoxW(nullptr, Wide(text), L"Error", kStyle); }

void Show(unsigned text_id) { ShowNamed(text_id, {}); }

void ShowNamed(unsigned text_id, std::u16string_view name) {
  WideString text, caption;
  language_module::String(text_id, text);
  if (!name.empty()) {
    // Without memory for the name the text alone still tells the fault.
    WideString named;
    if (named.Assign(text.View()) && named.Append(u"\r\n\r\n") && named.Append(name)) text = std::move(named);
  }
  language_module::String(string_ids::kErrorCaption, caption);
  MessageBoxW(static_cast<HWND>(Frame().main_window), Wide(text.Text()), Wide(caption.Text()), kStyle);
}

}  // namespace error_box
