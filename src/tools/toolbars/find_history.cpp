#include "tools/toolbars/find_history.h"

#include <algorithm>
#include <new>
#include <utility>

namespace find_history {

bool Add(std::vector<WideString>& history, std::u16string_view text) {
  if (text.empty()) return false;
  WideString entry;
  if (!entry.Assign(text)) return false;
  try {
    history.reserve(kCapacity + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const auto first = history.begin();
  const auto end = first + static_cast<std::ptrdiff_t>(std::min(history.size(), kCapacity));
  const auto same = std::find_if(first, end, [&](const WideString& kept) { return kept.View() == text; });
  if (same != end) history.erase(same);
  history.insert(history.begin(), std::move(entry));
  if (history.size() > kCapacity) history.resize(kCapacity);
  return true;
}

bool SelectionFillsFindBox(std::u16string_view selection) {
  return !selection.empty() && selection.find(u'\n') == std::u16string_view::npos &&
         selection.find(u'\r') == std::u16string_view::npos;
}

}  // namespace find_history
