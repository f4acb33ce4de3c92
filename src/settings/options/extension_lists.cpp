#include "settings/options/extension_lists.h"

#include <new>
#include <utility>

namespace extension_lists {

bool Split(std::u16string_view text, std::vector<WideString>& out) {
  std::vector<WideString> items;
  try {
    while (!text.empty()) {
      const std::size_t start = text.find_first_not_of(u' ');
      if (start == std::u16string_view::npos) break;
      text.remove_prefix(start);
      const std::size_t end = std::min(text.find(u' '), text.size());
      items.emplace_back();
      if (!items.back().Assign(text.substr(0, end))) return false;
      text.remove_prefix(end);
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  out = std::move(items);
  return true;
}

bool Join(const std::vector<WideString>& items, WideString& out) {
  WideString joined;
  if (!joined.Assign(u"")) return false;
  for (const WideString& item : items) {
    if (!joined.Empty() && !joined.Append(u' ')) return false;
    if (!joined.Append(item.View())) return false;
  }
  out = std::move(joined);
  return true;
}

}  // namespace extension_lists
