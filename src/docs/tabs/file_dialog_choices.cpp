#include "docs/tabs/file_dialog_choices.h"

#include <array>
#include <new>
#include <utility>

namespace file_dialog_choices {
namespace {

struct FilterPair {
  unsigned name_id;
  std::u16string_view patterns;
};

// Scripts come last, so that the older types keep their places.
constexpr std::array<FilterPair, 5> kFilters = {{
    {21002, u"*.htm;*.html"},
    {21003, u"*.css"},
    {21005, u"*.php"},
    {21000, u"*.*"},
    {21006, u"*.js;*.mjs;*.cjs;*.json"},
}};

constexpr std::array<std::u16string_view, 5> kExtensions = {u"htm", u"css", u"php", u"", u"js"};

}  // namespace

bool BuildFilter(const std::function<std::u16string_view(unsigned)>& string, WideString& filter) {
  filter.Clear();
  for (const FilterPair& pair : kFilters) {
    if (!filter.Append(string(pair.name_id)) || !filter.Append(u'\0') || !filter.Append(pair.patterns) ||
        !filter.Append(u'\0'))
      return false;
  }
  return filter.Append(u'\0');
}

SaveType SaveTypeFor(SyntaxMode mode) {
  switch (mode) {
    case kSyntaxHtml:
      return {1, kExtensions[0]};
    case kSyntaxCss:
      return {2, kExtensions[1]};
    case kSyntaxPhp:
      return {3, kExtensions[2]};
    case kSyntaxScript:
      return {5, kExtensions[4]};
    default:
      return {4, kExtensions[3]};
  }
}

std::u16string_view ExtensionForFilter(std::uint32_t filter_index) {
  if (filter_index < 1 || filter_index > kExtensions.size()) return {};
  return kExtensions[filter_index - 1];
}

int EncodingChoice(int selected_item) { return selected_item <= 0 ? kAutomaticChoice : selected_item - 1; }

std::vector<WideString> SelectedPaths(std::u16string_view buffer) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  while (start < buffer.size()) {
    const std::size_t end = buffer.find(u'\0', start);
    const std::size_t stop = end == std::u16string_view::npos ? buffer.size() : end;
    if (stop == start) break;
    parts.push_back(buffer.substr(start, stop - start));
    start = stop + 1;
  }
  std::vector<WideString> paths;
  try {
    if (parts.size() == 1) {
      paths.emplace_back();
      if (!paths.back().Assign(parts[0])) paths.clear();
      return paths;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
      WideString path;
      if (!path.AssignJoined(parts[0], parts[i])) return {};
      paths.push_back(std::move(path));
    }
  } catch (const std::bad_alloc&) {
    return {};
  }
  return paths;
}

}  // namespace file_dialog_choices
