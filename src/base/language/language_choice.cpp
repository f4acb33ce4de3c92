#include "base/language/language_choice.h"

#include <cstring>
#include <utility>

#include "platform/path_text.h"

namespace language_choice {
namespace {

constexpr char kSignature[8] = {'V', 'o', 'r', 'n', 'd', 'e', 'l', '\0'};

}  // namespace

bool IsPlainName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t unit : name)
    if (unit == u'\\' || unit == u'/' || unit == u':' || unit < 0x20) return false;
  return true;
}

std::size_t Candidates(std::u16string_view stored, std::uint16_t ui_language,
                       std::u16string_view (&out)[kMaxCandidates]) {
  if (stored.empty()) stored = ui_language == kJapaneseUiLanguage ? u"Japanese" : u"English";
  const std::u16string_view wanted[kMaxCandidates] = {stored, u"English", u"Japanese"};
  std::size_t count = 0;
  for (std::u16string_view name : wanted) {
    if (!IsPlainName(name)) continue;
    bool seen = false;
    for (std::size_t i = 0; i < count; ++i) seen = seen || path_text::SameName(out[i], name);
    if (!seen) out[count++] = name;
  }
  return count;
}

bool ModulePath(std::u16string_view program_folder, std::u16string_view name, WideString& path) {
  WideString built;
  if (!built.AssignJoined(program_folder, name) || !built.Append(u".dll")) return false;
  path = std::move(built);
  return true;
}

bool HasSignature(const void* data, std::size_t bytes) {
  return data && bytes >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

}  // namespace language_choice
