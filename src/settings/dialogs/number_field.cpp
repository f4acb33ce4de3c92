#include "settings/dialogs/number_field.h"

#include <algorithm>

namespace number_field {

std::int32_t Read(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == u' ') ++at;
  std::int64_t number = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    number = std::min<std::int64_t>(number * 10 + (text[at] - u'0'), INT32_MAX);
  }
  return static_cast<std::int32_t>(number);
}

std::int32_t ReadClamped(std::u16string_view text, std::int32_t low, std::int32_t high) {
  return std::clamp(Read(text), low, high);
}

}  // namespace number_field
