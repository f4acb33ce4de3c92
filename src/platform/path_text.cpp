#include "platform/path_text.h"

namespace path_text {
namespace {
char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }
}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::u16string_view ExtensionOf(std::u16string_view path) {
  const std::size_t dot = path.rfind(u'.');
  if (dot == std::u16string_view::npos) return {};
  const std::size_t slash = path.rfind(u'\\');
  if (slash != std::u16string_view::npos && slash > dot) return {};
  return path.substr(dot);
}

std::u16string_view FileName(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string_view BaseName(std::u16string_view path) {
  path = FileName(path);
  path.remove_suffix(ExtensionOf(path).size());
  return path;
}

std::array<char16_t, 7> ColourText(std::uint32_t colour) {
  static constexpr char16_t digits[] = u"0123456789abcdef";
  std::array<char16_t, 7> text = {u'#'};
  std::size_t at = 1;
  for (int shift : {0, 8, 16}) {
    const unsigned byte = (colour >> shift) & 0xFF;
    text[at++] = digits[byte >> 4];
    text[at++] = digits[byte & 15];
  }
  return text;
}

}  // namespace path_text
