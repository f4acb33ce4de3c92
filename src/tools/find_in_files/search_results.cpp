#include "tools/find_in_files/search_results.h"

namespace find_in_files {

namespace {
// Units of context kept before a match that lies beyond the shown width.
constexpr std::size_t kLeadIn = 40;
}  // namespace

std::u16string ShownText(std::u16string_view line, std::int32_t start) {
  std::size_t from = 0;
  while (from < line.size() && (line[from] == u' ' || line[from] == u'\t')) ++from;
  const auto match = static_cast<std::size_t>(start < 0 ? 0 : start);
  if (match >= from + kShownUnits) from = match - kLeadIn;
  std::u16string shown(line.substr(from, kShownUnits));
  for (char16_t& unit : shown)
    if (unit < 0x20) unit = u' ';
  return shown;
}

}  // namespace find_in_files
