#pragma once
// A document's whole text as one buffer, each line ended by line_end.
#include <string>
#include <string_view>

#include "editor/control/document.h"

namespace bench {

inline std::u16string WholeText(Document& document, std::u16string_view line_end) {
  std::u16string text;
  TextStore& store = document.Store();
  LineRecord* line = store.Line(0);
  for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) {
    const std::int32_t length = line->TextLength();
    const std::size_t at = text.size();
    text.resize(at + static_cast<std::size_t>(length));
    if (length > 0) line->CopyUnits(0, length, text.data() + at);
    if (line->EndsWithLineFeed()) text += line_end;
  }
  return text;
}

}  // namespace bench
