#include <windows.h>

#include <climits>

#include "platform/text_mapping.h"
#include "platform/wide_string.h"

static_assert(sizeof(wchar_t) == 2);
static_assert(text_mapping::kLowercase == LCMAP_LOWERCASE && text_mapping::kUppercase == LCMAP_UPPERCASE &&
              text_mapping::kHiragana == LCMAP_HIRAGANA && text_mapping::kKatakana == LCMAP_KATAKANA &&
              text_mapping::kHalfwidth == LCMAP_HALFWIDTH && text_mapping::kFullwidth == LCMAP_FULLWIDTH);

namespace text_mapping {

bool Map(std::uint32_t mapping, const char16_t* text, std::int32_t count, WideString& result) {
  result.Clear();
  if (!text || count <= 0 || count > INT_MAX / 2) return false;
  // Half-width forms of voiced kana take two units each.
  const int capacity = 2 * count;
  if (!result.Reserve(static_cast<std::uint32_t>(capacity))) return false;
  const int mapped = LCMapStringW(LOCALE_USER_DEFAULT, mapping, reinterpret_cast<const wchar_t*>(text), count,
                                  reinterpret_cast<wchar_t*>(result.Data()), capacity);
  if (mapped <= 0) {
    result.Clear();
    return false;
  }
  result.SetLength(static_cast<std::uint32_t>(mapped));
  return true;
}

}  // namespace text_mapping
