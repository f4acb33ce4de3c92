#include "frame/startup/handover_names.h"

#include <cstring>
#include <utility>

namespace handover_names {

bool Pack(const char16_t* const* args, int count, WideString& block, std::uint32_t& names) {
  WideString packed;
  std::uint32_t packed_names = 0;
  if (!packed.Reserve(0)) return false;
  for (int i = 1; i < count; ++i) {
    const std::u16string_view name = args[i] ? std::u16string_view{args[i]} : std::u16string_view{};
    if (name.empty()) continue;
    if (!packed.Append(name) || !packed.Append(u'\0')) return false;
    ++packed_names;
  }
  block = std::move(packed);
  names = packed_names;
  return true;
}

bool Receive(const void* data, std::size_t bytes, WideString& units) {
  const std::size_t count = data ? bytes / sizeof(char16_t) : 0;
  if (count >= UINT32_MAX / 2 || !units.Reserve(static_cast<std::uint32_t>(count))) return false;
  // The sender's block need not be aligned for char16_t.
  if (count) std::memcpy(units.Data(), data, count * sizeof(char16_t));
  units.SetLength(static_cast<std::uint32_t>(count));
  return true;
}

bool NextName(std::u16string_view units, std::size_t& offset, std::u16string_view& name) {
  while (offset < units.size()) {
    const std::size_t end = units.find(u'\0', offset);
    if (end == std::u16string_view::npos) {
      offset = units.size();
      return false;
    }
    const std::u16string_view found = units.substr(offset, end - offset);
    offset = end + 1;
    if (!found.empty() && found.size() <= kMaxNameUnits) {
      name = found;
      return true;
    }
  }
  return false;
}

}  // namespace handover_names
