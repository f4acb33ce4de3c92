// A masks text as the user or the settings file gives it, and a file name:
// the masks stay within their bounds, and each mask's answer is the one a
// plain table over mask and name positions gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/find_in_files/file_masks.h"

namespace {

bool SameUnit(char16_t a, char16_t b) {
  auto folded = [](char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; };
  return folded(a) == folded(b);
}

// matches[m][n]: the first m mask units match the first n name units.
bool TableMatches(std::u16string_view mask, std::u16string_view name) {
  std::vector<std::vector<bool>> matches(mask.size() + 1, std::vector<bool>(name.size() + 1, false));
  matches[0][0] = true;
  for (std::size_t m = 1; m <= mask.size(); ++m)
    for (std::size_t n = 0; n <= name.size(); ++n) {
      const char16_t unit = mask[m - 1];
      if (unit == u'*')
        matches[m][n] = matches[m - 1][n] || (n > 0 && matches[m][n - 1]);
      else
        matches[m][n] = n > 0 && matches[m - 1][n - 1] && (unit == u'?' || SameUnit(unit, name[n - 1]));
    }
  return matches[mask.size()][name.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  // The first NUL parts the masks text from the name.
  const std::size_t cut = units.find(u'\0');
  const std::u16string_view text = std::u16string_view(units).substr(0, cut);
  const std::u16string_view name = cut == std::u16string::npos ? std::u16string_view() : std::u16string_view(units).substr(cut + 1);

  const FileMasks masks(text);
  if (masks.Masks().size() > FileMasks::kMostMasks) std::abort();
  bool any = false;
  for (const std::u16string& mask : masks.Masks()) {
    if (mask.empty() || mask.size() > FileMasks::kLongestMask) std::abort();
    if (mask.front() == u' ' || mask.back() == u' ' || mask.find_first_of(u";,") != std::u16string::npos) std::abort();
    const bool matches = MaskMatches(mask, name);
    if (matches != TableMatches(mask, name)) std::abort();
    any = any || matches;
  }
  if (masks.Matches(name) != (masks.Masks().empty() || any)) std::abort();
  return 0;
}
