#include "platform/memory_clipboard.h"

#include <algorithm>

#include "platform/wide_string.h"

namespace platform {

bool MemoryClipboard::PutText(const char16_t* units, std::int32_t count) {
  if (busy_ || count < 0 || (count > 0 && !units)) return false;
  block_.assign(units, units + count);
  block_.push_back(u'\0');
  return true;
}

bool MemoryClipboard::GetText(WideString& destination) {
  if (busy_ || block_.empty()) return false;
  const auto end = std::find(block_.begin(), block_.end(), u'\0');
  return destination.Assign(block_.data(), static_cast<std::uint32_t>(end - block_.begin()));
}

}  // namespace platform
