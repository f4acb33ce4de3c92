#include "tools/find_in_files/file_masks.h"

namespace {

bool IsSeparator(char16_t unit) { return unit == u';' || unit == u','; }
bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

char16_t Folded(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

FileMasks::FileMasks(std::u16string_view text) {
  while (!text.empty() && masks_.size() < kMostMasks) {
    std::size_t end = 0;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    const std::u16string_view mask = Trimmed(text.substr(0, end));
    if (!mask.empty()) masks_.emplace_back(mask.substr(0, kLongestMask));
    text.remove_prefix(end < text.size() ? end + 1 : end);
  }
}

bool FileMasks::Matches(std::u16string_view name) const {
  if (masks_.empty()) return true;
  for (const std::u16string& mask : masks_)
    if (MaskMatches(mask, name)) return true;
  return false;
}

// The classic walk: on a mismatch after a star, the star takes one unit
// more and the rest is tried again from there.
bool MaskMatches(std::u16string_view mask, std::u16string_view name) {
  std::size_t m = 0;
  std::size_t n = 0;
  std::size_t star = std::u16string_view::npos;
  std::size_t resume = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      star = m++;
      resume = n;
    } else if (m < mask.size() && (mask[m] == u'?' || Folded(mask[m]) == Folded(name[n]))) {
      ++m;
      ++n;
    } else if (star != std::u16string_view::npos) {
      m = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}
