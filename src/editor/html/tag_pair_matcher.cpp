#include "editor/html/tag_pair_matcher.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>

#include "editor/store/line_record.h"
#include "editor/paint/unit_match.h"

namespace tag_pair {
namespace {

// Elements without an end tag, or whose content holds no tags.
constexpr std::array<std::u16string_view, 16> kUnmatched = {
    u"area", u"base", u"br",  u"col",   u"embed", u"frame",  u"hr",   u"isindex",
    u"input", u"img", u"iframe", u"link", u"meta", u"object", u"param", u"textarea"};

char16_t UnitOf(const LineRecord& line, std::int32_t index) {
  return index >= 0 && index < line.Length() ? line.UnitAt(index) : u'\0';
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (unit_match::FoldAscii(a[k]) != unit_match::FoldAscii(b[k])) return false;
  }
  return true;
}

bool Unmatched(std::u16string_view name) {
  return std::any_of(kUnmatched.begin(), kUnmatched.end(), [name](std::u16string_view listed) {
    return SameName(name, listed);
  });
}

// Whether the "<" at index opens a start (or, closing, an end) tag of name.
bool TagOfName(const LineRecord& line, std::int32_t index, std::u16string_view name, bool closing) {
  std::int32_t at = index + 1;
  if (closing && UnitOf(line, at++) != u'/') return false;
  for (const char16_t unit : name) {
    if (unit_match::FoldAscii(UnitOf(line, at++)) != unit_match::FoldAscii(unit)) return false;
  }
  const char16_t after = UnitOf(line, at);
  return after == u'\t' || after == u'\n' || after == u' ' || after == u'>';
}

// Just after the ">" closing the tag from index on, or the line feed.
std::int32_t TagEnd(const LineRecord& line, std::int32_t from) {
  for (std::int32_t i = from; i < line.Length(); ++i) {
    if (line.UnitAt(i) == u'>') return i + 1;
    if (line.UnitAt(i) == u'\n') return i;
  }
  return line.Length();
}

// The first "<" among units [from, count) of a run, or count. The C
// library's byte search finds its low byte far faster than a loop over the
// units; a hit that is not a whole "<" unit (odd offset, or a high byte)
// only moves the search on.
std::int32_t NextOpenInRun(const char16_t* units, std::int32_t from, std::int32_t count) {
  static_assert(std::endian::native == std::endian::little, "the byte search assumes little-endian units");
  const auto* bytes = reinterpret_cast<const unsigned char*>(units);
  std::size_t at = static_cast<std::size_t>(from) * 2;
  const std::size_t end = static_cast<std::size_t>(count) * 2;
  while (at < end) {
    const void* found = std::memchr(bytes + at, '<', end - at);
    if (!found) break;
    const auto offset = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - bytes);
    if (offset % 2 == 0 && units[offset / 2] == u'<') return static_cast<std::int32_t>(offset / 2);
    at = offset + 1;
  }
  return count;
}

// The first "<" at or after from in the line, or its length.
std::int32_t NextOpen(const LineRuns& runs, std::int32_t from) {
  if (from < runs.first_count) {
    const std::int32_t found = NextOpenInRun(runs.first, from, runs.first_count);
    if (found < runs.first_count) return found;
    from = runs.first_count;
  }
  return runs.first_count + NextOpenInRun(runs.second, from - runs.first_count, runs.second_count);
}

struct TagUnderHit {
  std::int32_t open = 0;   // the "<"
  std::int32_t close = 0;  // the ">"
  bool end_tag = false;
  std::u16string name;
};

bool ReadTag(const LineRecord& line, std::int32_t hit, TagUnderHit& tag) {
  const std::int32_t text_length = line.TextLength();
  if (text_length == 0) return false;
  std::int32_t from = std::clamp(hit, 0, text_length - 1);
  if (line.UnitAt(from) == u'>') --from;
  std::int32_t open = -1;
  for (std::int32_t i = from; i >= 0; --i) {
    const char16_t unit = line.UnitAt(i);
    if (unit == u'>') return false;
    if (unit == u'<') {
      open = i;
      break;
    }
  }
  if (open < 0) return false;
  const char16_t first = UnitOf(line, open + 1);
  if (first == u'!' || first == u'?') return false;
  tag.open = open;
  tag.end_tag = first == u'/';
  bool collecting = true;
  for (std::int32_t i = open + (tag.end_tag ? 2 : 1); i < text_length; ++i) {
    const char16_t unit = line.UnitAt(i);
    if (unit == u'>') {
      tag.close = i;
      return !tag.name.empty() && !Unmatched(tag.name);
    }
    // A tab ends the name as a space does.
    if (unit == u' ' || unit == u'/' || unit == u'\t') collecting = false;
    if (collecting) tag.name.push_back(unit);
  }
  return false;
}

bool FindEndTag(TextStore& store, std::int32_t line, const TagUnderHit& tag, TagPairHighlight& pair) {
  std::int32_t depth = 1;
  for (std::int32_t index = line; index < store.LineCount(); ++index) {
    const LineRecord& record = *store.Line(index);
    const LineRuns runs = record.Runs();
    // Straight from one "<" to the next: an unclosed tag near the top reads
    // the rest of the text.
    for (std::int32_t i = NextOpen(runs, index == line ? tag.close + 1 : 0); i < record.Length();
         i = NextOpen(runs, i + 1)) {
      if (TagOfName(record, i, tag.name, false)) {
        ++depth;
      } else if (TagOfName(record, i, tag.name, true) && --depth == 0) {
        pair.start_tag = {line, tag.open, tag.close + 1};
        pair.end_tag = {index, i, TagEnd(record, i + 2 + static_cast<std::int32_t>(tag.name.size()))};
        return true;
      }
    }
  }
  return false;
}

bool FindStartTag(TextStore& store, std::int32_t line, const TagUnderHit& tag, TagPairHighlight& pair) {
  std::int32_t depth = 1;
  for (std::int32_t index = line; index >= 0; --index) {
    const LineRecord& record = *store.Line(index);
    for (std::int32_t i = index == line ? tag.open - 1 : record.Length() - 1; i >= 0; --i) {
      if (record.UnitAt(i) != u'<') continue;
      if (TagOfName(record, i, tag.name, true)) {
        ++depth;
      } else if (TagOfName(record, i, tag.name, false) && --depth == 0) {
        pair.start_tag = {index, i, TagEnd(record, i + 1 + static_cast<std::int32_t>(tag.name.size()))};
        pair.end_tag = {line, tag.open, tag.close + 1};
        return true;
      }
    }
  }
  return false;
}

}  // namespace

bool Find(TextStore& store, std::int32_t line, std::int32_t hit, TagPairHighlight& pair) {
  const LineRecord* record = store.Line(line);
  if (!record) return false;
  TagUnderHit tag;
  if (!ReadTag(*record, hit, tag)) return false;
  TagPairHighlight found;
  const bool matched = tag.end_tag ? FindStartTag(store, line, tag, found) : FindEndTag(store, line, tag, found);
  if (!matched) return false;
  found.active = true;
  pair = found;
  return true;
}

}  // namespace tag_pair
