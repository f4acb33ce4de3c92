// The start and end tag highlighted together after a click on one of them.
#include "editor/control/document.h"
#include "editor/store/line_record.h"
#include "editor/html/tag_pair_matcher.h"

void Document::FindTagPair() {
  const std::int32_t line = store_.Selection().caret.line;
  const std::int32_t hit = navigator_.HitUnit();
  const auto holds = [line, hit](const LineRange& range) {
    return range.line == line && range.first <= hit && hit < range.end;
  };
  if (tag_pair_.active && (holds(tag_pair_.start_tag) || holds(tag_pair_.end_tag))) return;
  ClearTagPairHighlight();
  tag_pair_ = {};
  const LineRecord* record = store_.Line(line);
  if (!record || record->Width() == 0) return;
  TagPairHighlight found;
  if (tag_pair::Find(store_, line, hit, found)) SetTagPair(found);
}
