#include "tools/tag_insertion.h"

#include <algorithm>

#include "commands/command_ids.h"

namespace tag_insertion {
namespace {

std::int32_t ToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

bool Wrap(Document* document, std::u16string_view start, std::u16string_view end, std::int64_t move) {
  if (!document || (start.empty() && end.empty())) return false;
  const SelectionState& selection = document->Selection();
  const TextPosition base = selection.exists ? selection.start : selection.caret;
  WideString text;
  if (selection.exists && !document->SelectionText(text)) return false;
  const std::u16string_view selected = selection.exists ? text.View() : std::u16string_view();
  WideString wrapped;
  if (!wrapped.Reserve(static_cast<std::uint32_t>(start.size() + selected.size() + end.size())) ||
      !wrapped.Assign(start) || !wrapped.Append(selected) || !wrapped.Append(end))
    return false;
  const TextPosition target = CaretTarget(base, start, move);
  return document->InsertText(wrapped.View(), &target) >= 0;
}

}  // namespace

TextPosition CaretTarget(const TextPosition& base, std::u16string_view start, std::int64_t move) {
  std::int64_t line = base.line;
  std::int64_t column = base.column;
  for (char16_t unit : start) {
    if (unit == u'\n') {
      ++line;
      column = 0;
    } else if (unit != u'\r') {
      ++column;
    }
  }
  return {ToInt32(line), ToInt32(column + move), 0};
}

bool InsertTag(Document* document, const TagEntry& tag) {
  return Wrap(document, tag.start.View(), tag.end.View(), tag.move);
}

bool InsertQuickTag(Document* document, const Settings& settings, std::uint16_t command) {
  if (command < command_ids::kFirstQuickTag || command > command_ids::kLastQuickTag) return false;
  const QuickTag& tag = settings.quick_tags[command - command_ids::kFirstQuickTag];
  return Wrap(document, tag.start_text.View(), tag.end_text.View(), 0);
}

}  // namespace tag_insertion
