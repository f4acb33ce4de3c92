// A WM_COPYDATA block from any process: every name found must lie inside
// the block, be non-empty, bounded and free of NULs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "frame/startup/handover_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WideString units;
  if (!handover_names::Receive(data, size, units)) return 0;
  if (units.Length() != size / 2) std::abort();
  std::size_t offset = 0, total = 0;
  std::u16string_view name;
  while (handover_names::NextName(units.View(), offset, name)) {
    if (name.empty() || name.size() > handover_names::kMaxNameUnits) std::abort();
    if (name.find(u'\0') != std::u16string_view::npos) std::abort();
    if (name.data() < units.Text() || name.data() + name.size() >= units.Text() + units.Length() + 1) std::abort();
    total += name.size() + 1;
  }
  if (total > units.Length()) std::abort();
  return 0;
}
