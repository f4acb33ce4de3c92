#include "tools/tag_panel/tag_dialog_text.h"

#include <algorithm>

namespace tag_dialog_text {

bool ToShown(std::u16string_view text, WideString& shown) {
  const auto breaks = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), u'\n'));
  const std::uint64_t units = text.size() + breaks;
  if (units >= UINT32_MAX / 2 || !shown.Reserve(static_cast<std::uint32_t>(units))) return false;
  char16_t* out = shown.Data();
  for (char16_t unit : text) {
    if (unit == u'\n') *out++ = u'\r';
    *out++ = unit;
  }
  shown.SetLength(static_cast<std::uint32_t>(units));
  return true;
}

bool FromShown(std::u16string_view shown, WideString& text) {
  if (shown.size() >= UINT32_MAX / 2 || !text.Reserve(static_cast<std::uint32_t>(shown.size()))) return false;
  char16_t* out = text.Data();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == u'\r' && i + 1 < shown.size() && shown[i + 1] == u'\n') continue;
    *out++ = shown[i];
  }
  text.SetLength(static_cast<std::uint32_t>(out - text.Data()));
  return true;
}

}  // namespace tag_dialog_text
